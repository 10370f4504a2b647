#!/usr/bin/env bash
# Runs COMMAND against a throwaway PostgreSQL 15 cluster:
#   scripts/with-test-postgres.sh COMMAND...
# The cluster lives in a fresh temporary folder, trusts local connections, listens on
# 127.0.0.1 on a free port and has a superuser role "tolmo". COMMAND sees
# TOLMO_TEST_PG_URL=postgresql://tolmo@127.0.0.1:PORT/postgres. The cluster is stopped and
# its folder removed on exit, whatever happens; the exit status is COMMAND's.
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "uso: $0 COMANDO [ARGOMENTI...]" >&2
    exit 2
fi

PG_BIN=${PG_BIN:-/usr/lib/postgresql/15/bin}
ROLE=tolmo
if [ ! -x "$PG_BIN/initdb" ]; then
    echo "PostgreSQL 15 non trovato in $PG_BIN (pacchetto postgresql-15)" >&2
    exit 2
fi

# initdb and postgres refuse to run as root: then they run as the postgres user.
as_server_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tolmo-pg.XXXXXX")
DATA="$WORK/data"
started=0
cleanup() {
    if [ "$started" -eq 1 ]; then
        as_server_user "$PG_BIN/pg_ctl" -D "$DATA" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

chmod 0755 "$WORK"
if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$WORK"
fi

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
free_port() {
    local port
    for _ in $(seq 1 200); do
        port=$((20000 + RANDOM % 40000))
        if ! port_in_use "$port"; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

as_server_user "$PG_BIN/initdb" -D "$DATA" -A trust -U "$ROLE" -E UTF8 --locale=C.UTF-8 --no-sync \
    >"$WORK/initdb.log" 2>&1 || { cat "$WORK/initdb.log" >&2; exit 1; }

# Another process may take the port between the check and the start: try a few.
for attempt in 1 2 3 4 5; do
    PORT=$(free_port)
    if as_server_user "$PG_BIN/pg_ctl" -D "$DATA" -l "$WORK/server.log" -w -t 60 \
        -o "-c listen_addresses=127.0.0.1 -p $PORT -k $WORK -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
        start >/dev/null; then
        started=1
        break
    fi
    echo "avvio di PostgreSQL sulla porta $PORT non riuscito (tentativo $attempt)" >&2
done
if [ "$started" -ne 1 ]; then
    cat "$WORK/server.log" >&2 || true
    exit 1
fi

for _ in $(seq 1 60); do
    if "$PG_BIN/pg_isready" -q -h 127.0.0.1 -p "$PORT" -U "$ROLE" -d postgres; then
        break
    fi
    sleep 0.5
done
"$PG_BIN/pg_isready" -q -h 127.0.0.1 -p "$PORT" -U "$ROLE" -d postgres

export TOLMO_TEST_PG_URL="postgresql://$ROLE@127.0.0.1:$PORT/postgres"
set +e
"$@"
status=$?
set -e
exit "$status"
