# Shared by the run and test commands: installs the Debian packages that are missing.
set -euo pipefail

# libqt6sql6-sqlite: Qt SQL's SQLite driver, which keeps each child's learning record;
# libsodium-dev: the password hashing (Argon2id) of the teacher area's PIN.
TAMURIK_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libqt6sql6-sqlite libsodium-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
    # Speech: Qt TextToSpeech (its CMake package wants the declarative files too), and the
    # desktop's speech-dispatcher with espeak-ng's German voice.
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
    speech-dispatcher-espeak-ng)
# What the tests need beyond the build: a display server for the installed program, the
# validators of its metadata and manual pages, and for the real speech engine espeak-ng and
# libao's null driver (speech-dispatcher's sound goes there, so an utterance ends without a
# sound card); poppler-utils (pdftotext, pdftoppm) to read the teacher area's PDFs.
TAMURIK_TEST_PACKAGES=(xvfb xauth x11-utils desktop-file-utils appstream man-db espeak-ng libao4
    speech-dispatcher-audio-plugins poppler-utils)
# What tools/deb_check.sh needs to build the Debian package, check it with lintian, make a fresh
# Debian root to install it into and see the installed program's window.
TAMURIK_DEB_PACKAGES=(build-essential debhelper dpkg-dev lintian debootstrap xvfb x11-utils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    fi
}

build_tree() { # build folder, then extra cmake arguments
    local folder="$1"
    shift
    cmake -S "$TAMURIK_ROOT" -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder" --parallel "$(nproc)"
}
