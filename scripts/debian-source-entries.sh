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
