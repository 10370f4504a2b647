#!/usr/bin/env python3
"""Crash trials: tolmo-host on a SQLite archive, killed with SIGKILL at a random moment of a
save or a deletion, again and again. After every kill the archive must pass PRAGMA
integrity_check and hold no half-written case: a new case is there whole or not at all, a
modified one shows all of the edit or none of it, a deleted one is gone with its agenda,
documents, additional parties, criminal row and invoice links, or is there with all of them.

Usage: bench/crash-trials.py [--trials N] [--host build/bin/tolmo-host] [--seed S]
Prints the count of partial cases (goal 0) and exits 1 when there is any."""
import argparse
import os
import random
import shutil
import sqlite3
import sys
import tempfile
import time

import tolmohost
from tolmohost import USER

CLIENT = 4                # a registered client of the demo firm
DEPENDENTS = {            # the rows a case takes with it when it is deleted: table -> case column
    'Scadenze': 'Codice_Pra', 'Azioni': 'IdPra', 'Documenti': 'Codice_Pra',
    'MultiIntesta': 'ID_Pra', 'PraPenale': 'ID_Pra',
}

here = os.path.dirname(os.path.abspath(__file__))
parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
parser.add_argument('--trials', type=int, default=1000)
parser.add_argument('--host', default=os.path.join(here, '..', 'build', 'bin', 'tolmo-host'))
parser.add_argument('--seed', type=int, default=20261206)
args = parser.parse_args()
rng = random.Random(args.seed)
work = tempfile.mkdtemp(prefix='tolmo-crash-')
db_path = os.path.join(work, 'archivio.sqlite')
settings = os.path.join(work, 'settings.ini')
# The saved cases get their document folders in the work folder, which already holds the root.
os.makedirs(os.path.join(work, 'Documenti Pratiche'))
with open(settings, 'w') as ini:
    ini.write('[startup]\nPathRicerche=%s\n' % work)


def Host():
    """One tolmo-host process on the archive."""
    return tolmohost.Host(args.host, 'sqlite:' + db_path, settings, USER)


def archive():
    conn = sqlite3.connect(db_path, timeout=10)
    conn.row_factory = sqlite3.Row
    return conn


def columns(conn, table):
    return [r['name'] for r in conn.execute(f'PRAGMA table_info({table})')]


def clone_case(conn, source, position):
    """A copy of case `source` with every dependent row and invoice: a deletion to interrupt."""
    cols = [c for c in columns(conn, 'Pratica') if c.lower() != 'id_pra']
    conn.execute(f'INSERT INTO Pratica ({",".join(cols)}) SELECT {",".join(cols)} FROM Pratica WHERE ID_Pra = ?',
                 (source,))
    case = conn.execute('SELECT last_insert_rowid()').fetchone()[0]
    conn.execute('UPDATE Pratica SET Posizione = ? WHERE ID_Pra = ?', (position, case))
    for table, key in list(DEPENDENTS.items()) + [('Fatture', 'ID_Pratica')]:
        all_cols = columns(conn, table)
        pk = [r['name'] for r in conn.execute(f'PRAGMA table_info({table})') if r['pk']]
        cols = [c for c in all_cols if c not in pk or c.lower() == key.lower()]
        select = [('?' if c.lower() == key.lower() else c) for c in cols]
        conn.execute(f'INSERT INTO {table} ({",".join(cols)}) SELECT {",".join(select)} FROM {table} '
                     f'WHERE {key} = ?', (case, source))
    invoices = [r[0] for r in conn.execute('SELECT ID_Fattura FROM Fatture WHERE ID_Pratica = ?', (case,))]
    conn.commit()
    return case, invoices


def dependents(conn, case):
    return {t: conn.execute(f'SELECT COUNT(*) FROM {t} WHERE {k} = ?', (case,)).fetchone()[0]
            for t, k in DEPENDENTS.items()}


# ---------------------------------------------------------------- the writes

def new_case(i):
    position = f'CRASH-{i}'
    note = f'Nota della prova {i} ' + 'x' * (i % 300)

    def prepare(h):
        h.call('Inserimento')
        h.ask({'set': 'ctlTestata1.txtPosizione', 'text': position})
        h.choose('ctlTestata1.txtCognomeCliente', 2, CLIENT)
        h.ask({'set': 'ctlTestata1.txtCognomeControparte', 'text': 'Verdi'})
        h.ask({'set': 'TEDNumRilevanza', 'text': '175'})
        h.ask({'set': 'txtNOTE', 'text': note})

    def audit(conn):
        rows = conn.execute('SELECT * FROM Pratica WHERE Posizione = ?', (position,)).fetchall()
        if not rows:
            return 'absent'
        r = rows[0]
        whole = len(rows) == 1 and r['Note'] == note and r['Rilevanza'] == 175 and r['ID_Cliente'] == CLIENT \
            and r['ControCognome'] == 'Verdi'
        return 'whole' if whole else 'partial'

    return prepare, {'call': 'Conferma'}, audit


def modified_case(i, conn):
    case = rng.choice([r[0] for r in conn.execute(
        'SELECT ID_Pra FROM Pratica WHERE ID_Pra > 1 AND Posizione NOT LIKE ? AND ID_Cla <> 3', ('CRASH-%',))])
    before = dict(conn.execute('SELECT Note, Rilevanza FROM Pratica WHERE ID_Pra = ?', (case,)).fetchone())
    note, relevance = f'Modifica {i}', 100 + i % 300

    def prepare(h):
        h.call('Modifica', case)
        h.ask({'set': 'txtNOTE', 'text': note})
        h.ask({'set': 'TEDNumRilevanza', 'text': str(relevance)})

    def audit(c):
        r = dict(c.execute('SELECT Note, Rilevanza FROM Pratica WHERE ID_Pra = ?', (case,)).fetchone())
        if r == before:
            return 'absent'
        return 'whole' if r == {'Note': note, 'Rilevanza': relevance} else 'partial'

    return prepare, {'call': 'Conferma'}, audit


def deleted_case(i, conn, source):
    case, invoices = clone_case(conn, source, f'DEL-{i}')
    rows = dependents(conn, case)

    def prepare(h):
        h.call('VisualizzaPratica', case)
        h.ask({'answer': ['Yes']})

    def audit(c):
        present = c.execute('SELECT COUNT(*) FROM Pratica WHERE ID_Pra = ?', (case,)).fetchone()[0]
        now = dependents(c, case)
        linked = c.execute('SELECT COUNT(*) FROM Fatture WHERE ID_Pratica = ?', (case,)).fetchone()[0]
        if present and now == rows and linked == len(invoices):
            return 'absent'  # nothing of the deletion happened
        if not present and not any(now.values()) and linked == 0:
            return 'whole'
        return 'partial'

    return prepare, {'call': 'Elimina'}, audit


# ---------------------------------------------------------------- the trials

def write_duration(make):
    """How long one write takes here, so the kills land while it runs."""
    h = Host()
    h.start()
    prepare, write, _ = make()
    prepare(h)
    t = time.perf_counter()
    h.ask(write)
    elapsed = time.perf_counter() - t
    h.close()
    return elapsed


def main():
    h = Host()  # creates the demo firm
    h.call('Start')
    h.close()
    conn = archive()
    source = conn.execute(
        'SELECT ID_Pra FROM Pratica p WHERE ID_Pra > 1 AND ID_Pra NOT IN (SELECT R_idPra FROM PrestazioniAR) '
        'ORDER BY (SELECT COUNT(*) FROM Scadenze WHERE Codice_Pra = p.ID_Pra) DESC LIMIT 1').fetchone()[0]
    kinds = {
        'nuova': lambda i: new_case(i),
        'modifica': lambda i: modified_case(i, conn),
        'eliminazione': lambda i: deleted_case(i, conn, source),
    }
    durations = {k: write_duration(lambda k=k: kinds[k](-1 - len(k))) for k in kinds}
    outcome = {k: {'absent': 0, 'whole': 0, 'partial': 0} for k in kinds}
    killed_mid_write = corrupt = 0
    for i in range(args.trials):
        kind = rng.choice(sorted(kinds))
        prepare, write, audit = kinds[kind](i)
        conn.close()
        h = Host()
        h.start()
        prepare(h)
        h.send(write)
        time.sleep(rng.uniform(0, 1.5 * durations[kind]))
        killed_mid_write += h.kill()
        conn = archive()
        if conn.execute('PRAGMA integrity_check').fetchone()[0] != 'ok':
            corrupt += 1
        result = audit(conn)
        outcome[kind][result] += 1
        if result == 'partial':
            print(f'prova {i} ({kind}): pratica scritta a metà', file=sys.stderr)
    conn.close()
    partial = sum(o['partial'] for o in outcome.values())
    print(f'prove: {args.trials}, uccise prima della risposta: {killed_mid_write}, durata di una scrittura: ' +
          ', '.join(f'{k} {d * 1000:.1f} ms' for k, d in durations.items()))
    for k, o in outcome.items():
        print(f'  {k}: non avvenuta {o["absent"]}, completa {o["whole"]}, a metà {o["partial"]}')
    print(f'archivi danneggiati (integrity_check): {corrupt}')
    print(f'pratiche scritte a metà: {partial}')
    return 1 if partial or corrupt else 0


try:
    status = main()
finally:
    shutil.rmtree(work, ignore_errors=True)
sys.exit(status)
