#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet.
faltam=""
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltam="$faltam $p"
  fi
done
[ -z "$faltam" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "Faltam pacotes. Instale-os com:"
  echo "  sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y$faltam"
  exit 1
fi
echo "Instalando:$faltam"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $faltam
