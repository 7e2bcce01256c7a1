#!/usr/bin/env node
// quelor-simserver against tedious, a TDS client we did not write: login,
// every column type the update tool reads and writes (a row of values and a
// row of NULLs), a statement error, sp_executesql parameters and German text.
//
//   node tedious_conformance.js [--host H] [--port N] [--user U] [--password P] [--database D]
//
// Prints one line per failed check and ends with status 1 when any failed.
'use strict';

const assert = require('node:assert/strict');
const { Connection, Request, TYPES } = require('tedious');

function parseArguments(argv) {
  const settings = { host: '127.0.0.1', port: 1433, user: 'quelor', password: 'demo', database: 'QUELORTMP1' };
  for (let i = 0; i < argv.length; i += 2) {
    const key = argv[i].replace(/^--/, '');
    if (!(key in settings) || i + 1 >= argv.length) throw new Error(`unknown or incomplete argument ${argv[i]}`);
    settings[key] = key === 'port' ? Number(argv[i + 1]) : argv[i + 1];
  }
  return settings;
}

// Resolves with the connection and the databases its ENVCHANGE tokens named.
function connect(settings) {
  const databases = [];
  const connection = new Connection({
    server: settings.host,
    authentication: { type: 'default', options: { userName: settings.user, password: settings.password } },
    options: {
      port: settings.port,
      database: settings.database,
      encrypt: false,
      trustServerCertificate: true,
      tdsVersion: '7_4',
      connectTimeout: 10000,
      requestTimeout: 20000,
    },
  });
  connection.on('databaseChange', (name) => databases.push(name));
  return new Promise((resolve, reject) => {
    connection.connect((error) => (error ? reject(error) : resolve({ connection, databases })));
  });
}

// Runs `request` through `send` (execSqlBatch for a plain batch, execSql for
// sp_executesql); resolves with the rows as arrays of JS values and the
// column metadata, rejects with the request's error.
function run(connection, sql, { parameters = [], batch = true } = {}) {
  return new Promise((resolve, reject) => {
    const rows = [];
    let columns = [];
    const request = new Request(sql, (error, rowCount) => {
      if (error) reject(error);
      else resolve({ rows, columns, rowCount });
    });
    for (const [name, type, value, options] of parameters) request.addParameter(name, type, value, options);
    request.on('columnMetadata', (metadata) => {
      columns = metadata.map((column) => column.colName);
    });
    request.on('row', (fields) => rows.push(fields.map((field) => field.value)));
    if (batch) connection.execSqlBatch(request);
    else connection.execSql(request);
  });
}

const failures = [];

async function check(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
  } catch (error) {
    failures.push(name);
    console.log(`FAIL ${name}`);
    console.log(String(error && error.stack ? error.stack : error).replace(/^/gm, '     '));
  }
}

// Compares a row field by field so a failure names the column.
function expectRow(columns, actual, expected) {
  assert.equal(actual.length, expected.length, `row has ${actual.length} fields, expected ${expected.length}`);
  expected.forEach((value, i) => {
    const got = actual[i];
    if (value instanceof Date) {
      assert.ok(got instanceof Date, `column ${columns[i]}: expected a Date, got ${JSON.stringify(got)}`);
      assert.equal(got.toISOString(), value.toISOString(), `column ${columns[i]}`);
    } else {
      assert.strictEqual(got, value, `column ${columns[i]}: got ${JSON.stringify(got)}, expected ${JSON.stringify(value)}`);
    }
  });
}

const kGerman = 'ä ö ü ß € –';
const kUmlautCapitals = 'Ä Ö Ü';
// Beyond 4000 characters an nvarchar(max) value travels in chunks.
const kLong = 'Vereinsmitglied ä € – '.repeat(250);

async function main() {
  const settings = parseArguments(process.argv.slice(2));
  let connection;

  await check('login', async () => {
    const connected = await connect(settings);
    connection = connected.connection;
    assert.deepEqual(connected.databases, [settings.database], 'database changes during the login');
    const { rows } = await run(connection, 'SELECT DB_NAME() AS d');
    assert.deepEqual(rows, [[settings.database]]);
  });
  if (!connection) return;

  await check('every column type: a row of values and a row of NULLs', async () => {
    await run(connection,
      'CREATE TABLE KonformTypen (id int NOT NULL, c char(6) NULL, v varchar(40) NULL, nc nchar(4) NULL,' +
      ' nv nvarchar(40) NULL, nm nvarchar(max) NULL, tx text NULL, nt ntext NULL, ti tinyint NULL, si smallint NULL,' +
      ' i int NULL, bi bigint NULL, nu numeric(10,2) NULL, de decimal(18,4) NULL, fl float NULL, re real NULL,' +
      ' b bit NULL, dt datetime NULL, sd smalldatetime NULL, g uniqueidentifier NULL)');
    const inserted = await run(connection,
      "INSERT INTO KonformTypen VALUES (1, 'abc', 'Straße', N'äß', N'" + kGerman + "', N'" + kLong + "'," +
      " 'langer Text', N'Grüße – €', 200, -300, -7, 5000000000, 12.50, -3.1416, 0.5, 1.25, 1," +
      " '20130220 13:45:10.123', '20130220 13:45', 'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11')\n" +
      'INSERT INTO KonformTypen (id) VALUES (2)');
    assert.equal(inserted.rowCount, 2, 'rows inserted');
    const { rows, columns } = await run(connection,
      'SELECT c, v, nc, nv, nm, tx, nt, ti, si, i, bi, nu, de, fl, re, b, dt, sd, g FROM KonformTypen ORDER BY id');
    assert.equal(rows.length, 2, 'rows selected');
    // tedious hands out bigint as a string, datetime as a Date in UTC.
    expectRow(columns, rows[0], [
      'abc   ', 'Straße', 'äß  ', kGerman, kLong, 'langer Text', 'Grüße – €', 200, -300, -7, '5000000000', 12.5,
      -3.1416, 0.5, 1.25, true, new Date('2013-02-20T13:45:10.123Z'), new Date('2013-02-20T13:45:00Z'),
      'A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11',
    ]);
    expectRow(columns, rows[1], new Array(columns.length).fill(null));
  });

  await check('a statement error carries number, state, class and the server\'s text', async () => {
    let error;
    try {
      await run(connection, 'SELECT * FROM FehltHier');
    } catch (caught) {
      error = caught;
    }
    assert.ok(error, 'the statement did not fail');
    assert.equal(error.number, 208);
    assert.equal(error.state, 1);
    assert.equal(error.class, 16);
    assert.equal(error.message, "Invalid object name 'FehltHier'.");
    assert.equal(error.serverName, 'QUELORSIM');
    const { rows } = await run(connection, 'SELECT 42 AS antwort');
    assert.deepEqual(rows, [[42]], 'the connection works after the error');
  });

  await check('sp_executesql with int, nvarchar, decimal, bit, datetime and NULL parameters', async () => {
    const { rows, columns } = await run(connection,
      'SELECT @i AS i, @n AS n, @d AS d, @b AS b, @t AS t, @leer AS leer, @nz AS nz, @lang AS lang',
      {
        batch: false,
        parameters: [
          ['i', TYPES.Int, -123456],
          ['n', TYPES.NVarChar, "O'Brien " + kGerman],
          ['d', TYPES.Decimal, -1234.5678, { precision: 18, scale: 4 }],
          ['b', TYPES.Bit, true],
          ['t', TYPES.DateTime, new Date('2024-12-31T23:59:58.997Z')],
          ['leer', TYPES.Int, null],
          ['nz', TYPES.NVarChar, null],
          ['lang', TYPES.NVarChar, kLong],
        ],
      });
    assert.equal(rows.length, 1);
    expectRow(columns, rows[0], [-123456, "O'Brien " + kGerman, -1234.5678, true,
      new Date('2024-12-31T23:59:58.997Z'), null, null, kLong]);
  });

  await check('parameters filter and fill a table', async () => {
    await run(connection, 'CREATE TABLE KonformParam (i int NULL, n nvarchar(40) NULL, d decimal(10,2) NULL, b bit NULL,' +
      ' t datetime NULL)');
    const insert = 'INSERT INTO KonformParam (i, n, d, b, t) VALUES (@i, @n, @d, @b, @t)';
    const values = (i, n, d, b, t) => [['i', TYPES.Int, i], ['n', TYPES.NVarChar, n],
      ['d', TYPES.Decimal, d, { precision: 10, scale: 2 }], ['b', TYPES.Bit, b], ['t', TYPES.DateTime, t]];
    const first = await run(connection, insert,
      { batch: false, parameters: values(7, kGerman, 99.95, false, new Date('1999-01-02T03:04:05Z')) });
    assert.equal(first.rowCount, 1);
    await run(connection, insert, { batch: false, parameters: values(null, null, null, null, null) });
    const { rows, columns } = await run(connection, 'SELECT i, n, d, b, t FROM KonformParam WHERE i = @i',
      { batch: false, parameters: [['i', TYPES.Int, 7]] });
    assert.equal(rows.length, 1);
    expectRow(columns, rows[0], [7, kGerman, 99.95, false, new Date('1999-01-02T03:04:05Z')]);
    const nulls = await run(connection, 'SELECT i, n, d, b, t FROM KonformParam WHERE i IS NULL');
    assert.equal(nulls.rows.length, 1);
    expectRow(nulls.columns, nulls.rows[0], [null, null, null, null, null]);
  });

  await check('German text round-trips through a literal, a parameter and back out', async () => {
    await run(connection, 'CREATE TABLE KonformText (id int, n nvarchar(40), v varchar(40))');
    await run(connection, `INSERT INTO KonformText VALUES (1, N'${kGerman}', '${kUmlautCapitals}')`);
    await run(connection, 'INSERT INTO KonformText VALUES (2, @n, @v)', {
      batch: false,
      parameters: [['n', TYPES.NVarChar, kUmlautCapitals], ['v', TYPES.NVarChar, kGerman]],
    });
    const { rows } = await run(connection, 'SELECT id, n, v, LEN(n) AS l FROM KonformText ORDER BY id');
    assert.deepEqual(rows, [[1, kGerman, kUmlautCapitals, 11], [2, kUmlautCapitals, kGerman, 5]]);
    const found = await run(connection, 'SELECT id FROM KonformText WHERE n = @n', {
      batch: false,
      parameters: [['n', TYPES.NVarChar, kGerman]],
    });
    assert.deepEqual(found.rows, [[1]], 'the parameter finds the literal');
  });

  await new Promise((resolve) => {
    connection.on('end', resolve);
    connection.close();
  });
}

main()
  .catch((error) => {
    failures.push('setup');
    console.log(`FAIL ${error && error.stack ? error.stack : error}`);
  })
  .finally(() => {
    if (failures.length > 0) {
      console.log(`${failures.length} check(s) failed: ${failures.join('; ')}`);
      process.exitCode = 1;
    } else {
      console.log('all checks passed');
    }
  });
