#!/usr/bin/env python3
"""Writes resources/stored/Memo1.sql and Memo2.sql, the scripts that rebuild the
seven chart-of-accounts templates and the seven tax-key templates, from the
account table resources/templates/accounts.txt.

Run from anywhere: python3 tools/make_account_templates.py
The written .sql files are what the program embeds; commit them with the table.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "resources" / "templates" / "accounts.txt"
STORED = ROOT / "resources" / "stored"
YEAR = 2010

# Account templates in the order Memo1 rebuilds them, with their kind letter.
ACCOUNT_TEMPLATES = [
    ("F5KontKulturverein", "K"),
    ("F5KontKulturvereinUndSportverein", "U"),
    ("F5KontMitBezahltenSport", "B"),
    ("F5KontMonosportverein", "M"),
    ("F5KontSonstiger", "O"),
    ("F5KontSportvereinMitAnlagevermogen", "A"),
    ("F5KontSportvereinOhneAnlagevermogen", "S"),
]

# Tax-key templates in the order Memo2 rebuilds them.
TAX_KEY_TEMPLATES = [
    "F5DatKulturUndSportverein",
    "F5DatKulturverein",
    "F5DatMitBezahltenSport",
    "F5DatMonosportverein",
    "F5DatSonstiger",
    "F5DatSportvereinMitAnlagevermogen",
    "F5DatSportvereinOhneAnlagevermogen",
]

# Tax key -> (VAT account, input-tax account) of the account table.
TAX_KEYS = [(7, 1771, 1571), (19, 1776, 1576)]
TAX_KEY_CLASSES = ["4", "5", "6", "7", "8"]

# The account-template layout: (column, type as the create statement writes it, null).
N19 = "[numeric] (19, 8)"
N18 = "[numeric] (18, 8)"
MONTHS = ["JAN", "FEB", "MÄRZ", "APRIL", "MAI", "JUNI", "JULI", "AUG", "SEP", "OKT", "NOV", "DEZ"]
PLAN_MONTHS = ["Jan", "Feb", "Maerz", "April", "Mai", "Juni", "Juli", "Aug", "Sep", "Okt", "Nov", "Dez"]
ACCOUNT_LAYOUT = (
    [("BUCHJAHR", "[smallint]", "NOT NULL"), ("KONTONR", "[int]", "NOT NULL"),
     ("BEZEICHG", "[varchar] (40)", "NULL")]
    + [(c, N19, "NULL") for c in ("ABHABEN", "ABSOLL", "JAHRUMSH", "JAHRUMSS")]
    + [("BILANZGUV", "[varchar] (8)", "NULL"), ("KENNZAHL", "[varchar] (10)", "NULL"),
       ("KTOART", "[varchar] (40)", "NULL"), ("START", "[varchar] (20)", "NULL"),
       ("STSCHL", "[smallint]", "NULL"), ("KREDKONTO", "[int]", "NULL"), ("DEBITKTO", "[int]", "NULL")]
    + [(f"MOUMS{side}{m}", N19, "NULL") for m in MONTHS for side in ("H", "S")]
    + [("VERDICHTEN", "[varchar] (6)", "NULL"), ("KENNZUSTV", "[smallint]", "NULL"),
       ("SEITENZAHL", "[smallint]", "NULL"), ("SPERRE", "[varchar] (6)", "NULL"),
       ("FÄLLIGKEIT1", "[smallint]", "NULL"), ("SKONTO1_", N19, "NULL"),
       ("FÄLLIGKEIT2", "[smallint]", "NULL"), ("SKONTO2_", N19, "NULL"),
       ("FÄLLIGKEIT3", "[smallint]", "NULL")]
    + [(c, N19, "NULL") for c in ("HAUPTKONTO", "VORLABHAB", "VORLABSOLL", "SEITENANZLE")]
    + [("VALUTA", "[varchar] (3)", "NULL"), ("PlanJahrSoll", N19, "NULL"), ("PlanJahrHaben", N19, "NULL")]
    + [(f"Plan{side}{m}", N19, "NULL") for m in PLAN_MONTHS for side in ("Soll", "Haben")]
    + [("STSCH_U", "[varchar] (1)", "NULL"), ("KONTO_WGEWI", N19, "NULL"), ("KONTO_WVERL", N19, "NULL"),
       ("KOST_J_N", "[varchar] (6)", "NULL"), ("KontoArt", "[varchar] (40)", "NULL"),
       ("Bank", "[varchar] (6)", "NULL"), ("Unterkonto", "[varchar] (1)", "NULL"),
       ("HauptKto", "[int]", "NULL"), ("Bezeich2", "[varchar] (40)", "NULL"),
       ("KdLfNr", "[varchar] (30)", "NULL"), ("KennzGuV", "[varchar] (10)", "NULL"),
       ("KennzBilanz", "[varchar] (10)", "NULL"), ("KennzBWA", "[varchar] (10)", "NULL"),
       ("HHRest", N19, "NULL"), ("OPS", "[varchar] (1)", "NULL"), ("Spende", "[char] (10)", "NULL"),
       ("KennzEU", "[char] (10)", "NULL"), ("BenutzerErf", "[varchar] (20)", "NULL"),
       ("BenutzerAend", "[varchar] (20)", "NULL"), ("DatumErf", "[datetime]", "NULL"),
       ("DatumAend", "[datetime]", "NULL"), ("Kassenstand", N18, "NULL"),
       ("Anfangsbestand", N18, "NULL"), ("AktBelegNr", N18, "NULL"), ("KB", "[char] (1)", "NULL"),
       ("EINAUS", "[char] (1)", "NULL"), ("Steuersammelkonto", "[varchar] (1)", "NULL"),
       ("KennzEUR", "[varchar] (7)", "NULL")]
)
assert len(ACCOUNT_LAYOUT) == 106

TAX_KEY_LAYOUT = [
    ("STEUERSCHL", "[smallint]", "NOT NULL"), ("MWSTKTO", "[int]", "NULL"),
    ("VORST_KTO", "[int]", "NULL"), ("BFG_BASIS", "[smallint]", "NULL"),
    ("BFB_GGKTO", "[smallint]", "NULL"), ("BEG", "[varchar] (5)", "NULL"),
    ("Klasse", "[char] (1)", "NULL"), ("LfdNr", "[int] IDENTITY (1, 1)", "NOT NULL"),
]

# Text columns every template row names; empty where the account has no value.
TEXT_COLUMNS = ["BEZEICHG", "BILANZGUV", "KENNZAHL", "KTOART", "START", "SPERRE", "VALUTA",
                "STSCH_U", "KOST_J_N", "KontoArt", "Bank", "Unterkonto", "Bezeich2", "KdLfNr",
                "KennzGuV", "KennzBilanz", "KennzBWA", "OPS", "BenutzerErf", "BenutzerAend",
                "Steuersammelkonto", "KennzEUR", "VERDICHTEN"]


def literal(text):
    return "'" + text.replace("'", "''") + "'"


def read_accounts():
    accounts = []
    for line in SOURCE.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        number, name, kind, start, key, vat_line, donation, kinds = line.split(";")
        assert len(name) <= 40, name
        accounts.append(dict(number=int(number), name=name, kind=kind, start=start,
                             key=key, vat_line=vat_line, donation=donation,
                             kinds="KUBMOAS" if kinds == "*" else kinds))
    numbers = [a["number"] for a in accounts]
    assert numbers == sorted(set(numbers)), "account numbers must ascend without repeats"
    return accounts


def account_row(account):
    balance = account["kind"] in ("Aktiv", "Passiv")
    finance = 1000 <= account["number"] < 1300
    texts = {c: "" for c in TEXT_COLUMNS}
    texts.update(BEZEICHG=account["name"], BILANZGUV="BILANZ" if balance else "GUV",
                 KTOART=account["kind"], START=account["start"],
                 KontoArt="Finanzkonto" if finance else "Sachkonto",
                 Bank="Wahr" if 1200 <= account["number"] < 1300 else "Falsch",
                 OPS="J" if account["number"] in (1400, 1410, 1600) else "",
                 VERDICHTEN="Nein")
    columns = ["BUCHJAHR", "KONTONR"] + TEXT_COLUMNS
    values = [str(YEAR), str(account["number"])] + [literal(texts[c]) for c in TEXT_COLUMNS]
    for column, value in (("STSCHL", account["key"]), ("KENNZUSTV", account["vat_line"])):
        if value:
            columns.append(column)
            values.append(value)
    if account["donation"]:
        columns.append("Spende")
        values.append(literal(account["donation"]))
    return columns, values


def create_lines(table, layout, key_columns):
    lines = [f"CREATE TABLE [dbo].[{table}] ("]
    lines += [f"\t[{c}] {t} {n} ," for c, t, n in layout]
    lines += [f"\tCONSTRAINT [PK_{table}] PRIMARY KEY  CLUSTERED ", "\t("]
    lines += [f"\t\t[{c}]" + ("," if i + 1 < len(key_columns) else "") for i, c in enumerate(key_columns)]
    lines += ["\t)  ON [PRIMARY] ", ") ON [PRIMARY]"]
    return lines


def drop_line(table):
    return (f"IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='{table}')"
            f" DROP TABLE {table}")


def memo1(accounts):
    out = []
    for table, letter in ACCOUNT_TEMPLATES:
        out += [drop_line(table), "GO", ""]
        out += create_lines(table, ACCOUNT_LAYOUT, ["BUCHJAHR", "KONTONR"]) + ["GO", ""]
        for account in accounts:
            if letter not in account["kinds"]:
                continue
            columns, values = account_row(account)
            out.append(f"INSERT INTO [dbo].[{table}] (" + ",".join(f"[{c}]" for c in columns) + ")")
            out.append("\tVALUES (" + ",".join(values) + ")")
            out.append("GO")
        out.append("")
    return out


def memo2():
    out = []
    previous = None
    for table in TAX_KEY_TEMPLATES:
        if previous:
            out.append(f"SET IDENTITY_INSERT [dbo].[{previous}] OFF")
        out += [drop_line(table), "GO", ""]
        out += create_lines(table, TAX_KEY_LAYOUT, ["STEUERSCHL", "LfdNr"]) + ["GO", ""]
        out.append(f"SET IDENTITY_INSERT [dbo].[{table}] ON")
        number = 0
        for key, vat_account, input_account in TAX_KEYS:
            for klasse in TAX_KEY_CLASSES:
                number += 1
                out.append(f"INSERT INTO [dbo].[{table}] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])")
                out.append(f"\tVALUES ({key},{vat_account},{input_account},'{klasse}',{number})")
                out.append("GO")
        out.append("")
        previous = table
    # Lines after the last separator form a batch the script runner never
    # sends; the switch is undone when the connection is opened again.
    out.append(f"SET IDENTITY_INSERT [dbo].[{previous}] OFF")
    return out


def write(name, lines):
    (STORED / name).write_text("\n".join(lines) + "\n", encoding="utf-8", newline="\n")


def main():
    accounts = read_accounts()
    STORED.mkdir(parents=True, exist_ok=True)
    write("Memo1.sql", memo1(accounts))
    write("Memo2.sql", memo2())
    for table, letter in ACCOUNT_TEMPLATES:
        print(table, sum(letter in a["kinds"] for a in accounts))


if __name__ == "__main__":
    main()
