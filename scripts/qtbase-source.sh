# Sourced by the scripts that build Qt from Debian's source (windows-build.sh, linux-portable.sh).

# Debian's source packages need a deb-src entry for the suites the system already uses.
ensure_source_entries() {
    if apt-get source --print-uris qt6-base >/dev/null 2>&1; then return; fi
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            > /etc/apt/sources.list.d/rostermaker-deb-src.sources
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > /etc/apt/sources.list.d/rostermaker-deb-src.list
    fi
    apt-get update -q
}

# fetch_qtbase_source <cache>: Debian's source of the system's Qt (qt6-base of the version installed) in
# <cache>/source/qtbase, fetched once, with that version in its .debian-version.
fetch_qtbase_source() {
    ensure_source_entries
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    mkdir -p "$1/source"
    if [ ! -d "$1/source/qtbase" ]; then
        rm -rf "$1/source.tmp" && mkdir -p "$1/source.tmp"
        (cd "$1/source.tmp" && apt-get source -q "qt6-base=$version")
        mv "$1/source.tmp"/qt6-base-*/ "$1/source/qtbase"
        rm -rf "$1/source.tmp"
        echo "$version" > "$1/source/qtbase/.debian-version"
    fi
}
