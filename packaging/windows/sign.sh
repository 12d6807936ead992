#!/bin/sh
# Signs a Windows executable in place with Authenticode (SHA-256) when VELMORA_SIGNING_KEY and
# VELMORA_SIGNING_CERT name a PEM private key and a PEM certificate (the file may hold the
# chain); VELMORA_TIMESTAMP_URL adds a time-stamping service's countersignature. Without the key
# it does nothing. Only the paths are ever printed, never what the key file holds.
#   sign.sh FILE
set -eu
file=$1
[ -n "${VELMORA_SIGNING_KEY:-}" ] && [ -n "${VELMORA_SIGNING_CERT:-}" ] || exit 0
for given in "$VELMORA_SIGNING_KEY" "$VELMORA_SIGNING_CERT"; do
    if [ ! -f "$given" ] || [ ! -r "$given" ]; then
        echo "sign.sh: $given is not a readable file" >&2
        exit 1
    fi
done
set -- -certs "$VELMORA_SIGNING_CERT" -key "$VELMORA_SIGNING_KEY" -h sha256 -n Velmora
[ -n "${VELMORA_TIMESTAMP_URL:-}" ] && set -- "$@" -ts "$VELMORA_TIMESTAMP_URL"
signed="$file.signed"
rm -f "$signed"
if ! osslsigncode sign "$@" -in "$file" -out "$signed" >/dev/null; then
    rm -f "$signed"
    echo "sign.sh: signing $file failed" >&2
    exit 1
fi
mv -f "$signed" "$file"
