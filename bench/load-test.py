#!/usr/bin/env python3
"""Load test: eight workstations on one archive, each its own tolmo-host process, confirming new
and modified cases and adding court-fee stamps in the payments dialog, SAVES saves in all, on a
SQLite file or on a PostgreSQL database.

Every modification appends a token of its own to the case's notes, so a final audit of every row
finds any save that was reported done and then lost to another workstation's save: the token is
missing. A workstation told that the case changed meanwhile goes back (Annulla) and tries again,
as a person would; that is counted, not an error. The audit also counts half-written cases (a
new case missing what was typed, or a row left by a save reported failed), automatic positions
given twice, and unexpected errors (an error reply, a save refused without the question, any
other message).

Usage: bench/load-test.py [--engine sqlite|postgresql] [--saves 10000] [--workers 8]
                          [--host build/bin/tolmo-host] [--pg-url URL] [--seed S]
PostgreSQL needs --pg-url (default $TOLMO_TEST_PG_URL), a server where a database is made for
the run and dropped after. Prints saves per second, the median and 99th percentile of a save,
and the four counts; exits 1 unless lost, half-written, double positions and errors are all 0."""
import argparse
import json
import os
import random
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

import tolmohost

CLIENT = 4   # a registered client of the demo firm
STAMPS = 2   # the demo case whose court fee is paid with stamps
CHANGED = "è stata modificata su un'altra postazione"
# Asked before saving a case whose criminal phase shown last is the appeal (its default, Yes,
# saves): the phase stays from one case to the next until another is loaded or chosen.
REMINDER = "Ricordarsi di cambiare l'Ufficio giudiziario."

here = os.path.dirname(os.path.abspath(__file__))
parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
parser.add_argument('--engine', choices=['sqlite', 'postgresql'], default='sqlite')
parser.add_argument('--saves', type=int, default=10000)
parser.add_argument('--workers', type=int, default=8)
parser.add_argument('--host', default=os.path.join(here, '..', 'build', 'bin', 'tolmo-host'))
parser.add_argument('--pg-url', default=os.environ.get('TOLMO_TEST_PG_URL', ''))
parser.add_argument('--seed', type=int, default=20261208)
args = parser.parse_args()

work = tempfile.mkdtemp(prefix='tolmo-load-')
settings = os.path.join(work, 'settings.ini')
os.makedirs(os.path.join(work, 'Documenti Pratiche'))
with open(settings, 'w') as ini:
    ini.write('[startup]\nPathRicerche=%s\n' % work)


# ---------------------------------------------------------------- the archive

class Archive:
    """The archive under test, read directly for the audit."""

    def __init__(self):
        if args.engine == 'sqlite':
            self.path = os.path.join(work, 'archivio.sqlite')
            self.url = 'sqlite:' + self.path
            return
        if not args.pg_url:
            sys.exit('PostgreSQL: --pg-url or TOLMO_TEST_PG_URL is needed')
        self.server = args.pg_url
        self.name = 'tolmo_load_%d' % os.getpid()
        self.psql(self.server, 'CREATE DATABASE ' + self.name)
        self.url = self.server.rsplit('/', 1)[0] + '/' + self.name

    @staticmethod
    def psql(url, sql):
        out = subprocess.run(['psql', url, '-X', '-q', '-A', '-t', '-F', '\x1f', '-R', '\x1e', '-v',
                              'ON_ERROR_STOP=1', '-c', sql], check=True, capture_output=True, text=True).stdout
        return [tuple(r.split('\x1f')) for r in out.rstrip('\n').split('\x1e') if r != '']

    def rows(self, sql):
        """Every value as text; NULL as ''."""
        if args.engine == 'sqlite':
            conn = sqlite3.connect(self.path, timeout=30)
            try:
                return [tuple('' if v is None else str(v) for v in r) for r in conn.execute(sql)]
            finally:
                conn.close()
        return self.psql(self.url, sql)

    def drop(self):
        if args.engine == 'postgresql':
            self.psql(self.server, 'DROP DATABASE IF EXISTS %s WITH (FORCE)' % self.name)


# ---------------------------------------------------------------- a workstation

class Host(tolmohost.Host):
    """A workstation on the archive at `url`."""

    def __init__(self, url):
        super().__init__(args.host, url, settings)

    def messages(self):
        """The message boxes shown, but for the appeal reminder."""
        return [m for m in super().messages() if REMINDER not in m]


class Ledger:
    """What the workstations were told was saved, for the audit; shared by every thread."""

    def __init__(self, cases):
        self.lock = threading.Lock()
        self.cases = list(cases)   # the cases a modification may pick
        self.tokens = {}           # case -> tokens its saves appended
        self.new_cases = {}        # case -> its register number
        self.stamps = []           # stamp codes saved
        self.latencies = []
        self.conflicts = 0
        self.errors = []

    def pick(self, rng):
        with self.lock:
            return rng.choice(self.cases)

    def error(self, what):
        with self.lock:
            self.errors.append(what)


def worker(n, url, quota, ledger):
    rng = random.Random(args.seed * 100 + n)
    h = Host(url)
    h.start()
    done = 0

    def timed(command):
        """The reply, and how long the save took, counted once the caller knows it saved."""
        t = time.perf_counter()
        r = h.ask(command)
        return r, time.perf_counter() - t

    def unexpected(what, reply):
        ledger.error('%d: %s: %s %s' % (n, what, json.dumps(reply, ensure_ascii=False)[:200],
                                        ' | '.join(h.messages())[:300]))

    def modify(token):
        for _ in range(50):
            case = ledger.pick(rng)
            if not h.call('Modifica', case).get('result'):
                return unexpected('Modifica %d' % case, {})
            note = h.field('form', 'txtNOTE')['text']
            h.ask({'set': 'txtNOTE', 'text': (note + ' ' + token).strip()})
            r, took = timed({'call': 'Conferma', 'args': []})
            if r.get('result') and not h.messages():
                with ledger.lock:
                    ledger.tokens.setdefault(case, []).append(token)
                    ledger.latencies.append(took)
                return
            if not r.get('result') and len(h.messages()) == 1 and CHANGED in h.messages()[0]:
                with ledger.lock:
                    ledger.conflicts += 1
                h.call('Annulla')
                continue
            unexpected('Conferma %d' % case, r)
            h.call('Annulla')
            return
        unexpected('always changed', {})

    def insert(token):
        h.call('Inserimento')
        h.choose('ctlTestata1.txtCognomeCliente', 2, CLIENT)
        h.ask({'set': 'ctlTestata1.txtNumeroRegGenerale', 'text': token})
        h.ask({'set': 'txtNOTE', 'text': token})
        r, took = timed({'call': 'Conferma', 'args': []})
        ids = h.events('NewId')
        if not r.get('result') or h.messages() or not ids:
            unexpected('Conferma nuova', r)
            h.call('Annulla')
            return
        with ledger.lock:
            ledger.new_cases[ids[0][0]] = token
            ledger.tokens.setdefault(ids[0][0], []).append(token)
            ledger.cases.append(ids[0][0])
            ledger.latencies.append(took)

    def stamp(token):
        if not h.call('Modifica', STAMPS).get('result'):
            return unexpected('Modifica %d' % STAMPS, {})
        script = [{'fire': 'cmdNuovo', 'event': 'Click'}, {'set': 'txtCodiceMarca', 'text': token},
                  {'set': 'mskValoreMarca', 'text': '16,00'}, {'set': 'mskDataMarca', 'text': '01/03/2024'},
                  {'fire': 'cmdSalva', 'event': 'Click'}]
        h.ask({'onshow': 'dlgEstremiPagamento', 'script': script})
        r, took = timed({'fire': 'cmdEstremi', 'event': 'Click'})
        bad = [x for x in h.happened if 'error' in x] + h.messages()
        if 'error' in r or bad:
            unexpected('marca', r)
        h.call('Annulla')
        if 'error' in r or bad:
            return
        with ledger.lock:
            ledger.stamps.append(token)
            ledger.latencies.append(took)

    ops = [(modify, 0.6), (insert, 0.25), (stamp, 0.15)]
    while done < quota:
        op = rng.choices([o for o, _ in ops], [w for _, w in ops])[0]
        op('w%dn%d' % (n, done))
        done += 1
    h.close()


# ---------------------------------------------------------------- the audit

def audit(archive, ledger):
    lost = half = 0
    notes = {int(i): set(t.split()) for i, t in archive.rows('SELECT ID_Pra, Note FROM Pratica')}
    for case, tokens in ledger.tokens.items():
        lost += sum(1 for t in tokens if t not in notes.get(case, set()))
    registered = {int(i): r for i, r in archive.rows(
        "SELECT ID_Pra, NumeroRegGenerale FROM Pratica WHERE NumeroRegGenerale LIKE 'w%'")}
    for case, token in ledger.new_cases.items():
        half += registered.get(case) != token
    half += sum(1 for case in registered if case not in ledger.new_cases)
    doubled = sum(int(c) - 1 for _, c in archive.rows(
        "SELECT NumPos, COUNT(*) FROM Pratica WHERE NumeroRegGenerale LIKE 'w%' GROUP BY NumPos "
        "HAVING COUNT(*) > 1"))
    stored = [c for (c,) in archive.rows(
        "SELECT CodMarcaL FROM EstremiPagamento WHERE CodMarcaL LIKE 'w%%' AND R_Id_Pratica = %d" % STAMPS)]
    lost += sum(1 for t in ledger.stamps if t not in stored)
    half += len(stored) - len(set(stored)) + sum(1 for c in set(stored) if c not in ledger.stamps)
    return lost, half, doubled


def main():
    archive = Archive()
    try:
        h = Host(archive.url)  # makes the demo firm
        h.start()
        cases = []
        for (case,) in archive.rows('SELECT ID_Pra FROM Pratica WHERE ID_Pra > 1 ORDER BY ID_Pra'):
            if h.call('Modifica', int(case)).get('result') and not h.messages():
                cases.append(int(case))
            h.call('Annulla')
        h.close()
        ledger = Ledger(cases)
        quota = [args.saves // args.workers + (i < args.saves % args.workers) for i in range(args.workers)]
        threads = [threading.Thread(target=worker, args=(i, archive.url, quota[i], ledger))
                   for i in range(args.workers)]
        t = time.perf_counter()
        for th in threads:
            th.start()
        for th in threads:
            th.join()
        elapsed = time.perf_counter() - t
        lost, half, doubled = audit(archive, ledger)
    finally:
        archive.drop()
        shutil.rmtree(work, ignore_errors=True)
    lat = sorted(ledger.latencies)
    pct = lambda p: 1000 * lat[min(len(lat) - 1, int(p * len(lat)))] if lat else 0
    print('%s: %d workstations, %d saves in %.1f s: %.1f saves/s; a save takes %.1f ms (median), '
          '%.1f ms (99th percentile)' % (args.engine, args.workers, len(lat), elapsed, len(lat) / elapsed,
                                         pct(0.5), pct(0.99)))
    print('changed meanwhile (asked, tried again): %d' % ledger.conflicts)
    print('lost updates: %d' % lost)
    print('half-written: %d' % half)
    print('automatic positions given twice: %d' % doubled)
    print('unexpected errors: %d' % len(ledger.errors))
    for e in ledger.errors[:10]:
        print('  ' + e)
    return 0 if lost == half == doubled == len(ledger.errors) == 0 else 1


if __name__ == '__main__':
    sys.exit(main())
