create table T (a int)

insert into T values (1)
