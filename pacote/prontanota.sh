#!/bin/sh
# Starts Prontanota (or Instalora, when called as "instalora") from the user's installation,
# ~/Brelo/Prontanota or $PRONTANOTA_BASE/Prontanota. The packaged programs live beside this
# script's target in ../lib/prontanota; they are copied into the installation when it lacks them
# or holds other ones (a package update), because both programs keep their files beside the executable.
# On first start the setup creates the database and the settings of an embedded installation.
set -e
origem="$(dirname "$(readlink -f "$0")")/../lib/prontanota"
base="${PRONTANOTA_BASE:-$HOME/Brelo}"
pasta="$base/Prontanota"

case "$(basename "$0")" in
  instalora) programa=Instalora ;;
  *) programa=prontanota ;;
esac

mkdir -p "$pasta/Relatorios"
copia() {
  if ! cmp -s "$origem/$1" "$pasta/$1"; then
    # A new file renamed over the old one: a program that is running keeps its own copy.
    cp -p "$origem/$1" "$pasta/$1.novo"
    mv -f "$pasta/$1.novo" "$pasta/$1"
  fi
}
for arquivo in prontanota Instalora prontanota-setup prontanota.png Relatorios/Relatorios.rav; do
  copia "$arquivo"
done
# The user guide the program shows: the packaged folder, whole, when it differs.
if ! diff -rq "$origem/Manual" "$pasta/Manual" >/dev/null 2>&1; then
  rm -rf "$pasta/Manual.novo"
  cp -rp "$origem/Manual" "$pasta/Manual.novo"
  rm -rf "$pasta/Manual"
  mv "$pasta/Manual.novo" "$pasta/Manual"
fi

# When the setup fails the program still starts: its login shows why the database cannot open.
"$pasta/prontanota-setup" --instalacao "$pasta" >/dev/null || true
cd "$pasta"
exec "./$programa"
