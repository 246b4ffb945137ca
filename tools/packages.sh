# Installs the Debian packages Mealvane builds, tests and runs with, when any of them is missing.
# Sourced by ./run and ./test.
mealvane_packages=(
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins qt6-image-formats-plugins libgl-dev fonts-dejavu-core fonts-liberation2 fonts-noto-cjk fonts-symbola
    fonts-noto-color-emoji
    libsqlite3-dev sqlite3 libjpeg-dev libexif-dev mdbtools-dev libgumbo-dev libical-dev qtkeychain-qt6-dev
    radicale gnome-keyring libsecret-tools
    libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    desktop-file-utils appstream lintian librsvg2-bin dpkg-dev file
    fp-utils
    xvfb xauth imagemagick xdotool poppler-utils dbus at-spi2-core python3 python3-pyatspi xdg-utils
)

mealvane_install_packages() {
    local missing=()
    local p
    for p in "${mealvane_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
