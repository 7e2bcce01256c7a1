select 1
GO
 go 
GO;
GO 2
	go	
select 2GOrest