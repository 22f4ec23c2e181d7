#!/bin/sh
# Builds the Debian package of Prontanota from a configured and built tree:
#   pacote/constroi-deb.sh <build folder> <output folder>
# Prints the path of the .deb. The programs go to /usr/lib/prontanota, the starter to
# /usr/bin/prontanota (and /usr/bin/instalora), the menu entries and the icon to /usr/share.
set -e
build="$(readlink -f "$1")"
saida="$(mkdir -p "$2" && readlink -f "$2")"
fonte="$(dirname "$(readlink -f "$0")")"
versao="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
arquitetura="$(dpkg --print-architecture)"

raiz="$(mktemp -d)"
trap 'rm -rf "$raiz"' EXIT
pacote="$raiz/prontanota"
DESTDIR="$pacote" cmake --install "$build" --prefix /usr/lib/prontanota --strip >/dev/null

install -D -m 755 "$fonte/prontanota.sh" "$pacote/usr/bin/prontanota"
ln -s prontanota "$pacote/usr/bin/instalora"
install -D -m 644 "$fonte/prontanota.desktop" "$pacote/usr/share/applications/prontanota.desktop"
install -D -m 644 "$fonte/instalora.desktop" "$pacote/usr/share/applications/instalora.desktop"
install -D -m 644 "$fonte/prontanota.svg" "$pacote/usr/share/icons/hicolor/scalable/apps/prontanota.svg"
install -D -m 644 "$fonte/prontanota.png" "$pacote/usr/share/icons/hicolor/256x256/apps/prontanota.png"

# The libraries the programs link, as dpkg-shlibdeps finds them; then what is loaded at run
# time: the embedded Firebird engine and a font for the windows (the X11 platform plugin and
# the JPEG reader come with libqt6gui6).
mkdir -p "$raiz/debian"
printf 'Source: prontanota\n\nPackage: prontanota\nArchitecture: any\n' > "$raiz/debian/control"
bibliotecas="$(cd "$raiz" && dpkg-shlibdeps -O \
  -e"$pacote/usr/lib/prontanota/prontanota" -e"$pacote/usr/lib/prontanota/Instalora" \
  -e"$pacote/usr/lib/prontanota/prontanota-setup" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')"
rm -rf "$raiz/debian"
depende="$bibliotecas, firebird3.0-server-core, fonts-dejavu-core"

mkdir -p "$pacote/DEBIAN"
cat > "$pacote/DEBIAN/control" <<FIM
Package: prontanota
Version: $versao
Architecture: $arquitetura
Maintainer: Brelo <suporte@brelo.com.br>
Section: misc
Priority: optional
Installed-Size: $(du -sk "$pacote" | cut -f1)
Depends: $depende
Description: notas promissórias para pequenos comércios
 Cadastro de clientes, avalistas e empresas, emissão de notas promissórias
 em parcelas, recebimentos, recibos e quadro de avisos, com banco Firebird
 embarcado ou em rede. Inclui o Instalora, que configura servidor ou terminal.
FIM
arquivo="$saida/prontanota_${versao}_${arquitetura}.deb"
dpkg-deb --root-owner-group -Zxz --build "$pacote" "$arquivo" >/dev/null
echo "$arquivo"
