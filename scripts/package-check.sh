#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, confirms a case with /usr/bin/tolmo-host on
# a new SQLite archive, and runs the validators (desktop-file-validate, appstreamcli, lintian).
# Usage: scripts/package-check.sh [BUILD_DIR]   (the build of scripts/setup.sh, build/ by default)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

packages=(help2man lintian desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Configured again so that the man pages are made now that help2man is here.
cmake -S "$here" -B "$build" >/dev/null
cmake --build "$build" --target package_docs
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(realpath "$(ls "$build"/tolmo-studio_*.deb | head -1)")
echo "Pacchetto: $deb"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --reinstall "$deb"

# The installed driver on a new archive: Start, a new case of a registered client, confirmed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Documenti Pratiche"
printf '[startup]\nPathRicerche=%s\n' "$work" > "$work/impostazioni.ini"
replies=$(cat <<'JSON' | /usr/bin/tolmo-host --db "sqlite:$work/archivio.sqlite" --settings "$work/impostazioni.ini"
{"call":"Start","args":[]}
{"call":"SettaContabilita","args":[2]}
{"call":"Inserimento","args":[]}
{"set":"ctlTestata1.txtPosizione","text":"PKG-1"}
{"set":"ctlTestata1.txtCognomeCliente","text":"Bianco"}
{"fire":"ctlTestata1.txtCognomeCliente","event":"DropDown"}
{"set":"ctlTestata1.txtCognomeCliente","row":0}
{"set":"ctlTestata1.txtCognomeControparte","text":"Verdi"}
{"call":"Conferma","args":[]}
JSON
)
echo "$replies" | python3 -c '
import json, sys
replies = [json.loads(l) for l in sys.stdin if l.strip().startswith("{")]
conferma = [r for r in replies if "result" in r][-1]
if conferma.get("result") is not True:
    sys.exit("tolmo-host non ha confermato la pratica: %s" % conferma)
print("tolmo-host da /usr/bin: pratica confermata")'
ls "$work/Documenti Pratiche" | grep -q "_PID_" || { echo "nessuna cartella della pratica"; exit 1; }

desktop-file-validate /usr/share/applications/it.tolmo.Studio.desktop
appstreamcli validate --no-net --pedantic /usr/share/metainfo/it.tolmo.Studio.metainfo.xml
lintian --fail-on error --suppress-tags hardening-no-fortify-functions "$deb"
echo "Validatori: nessun errore"
