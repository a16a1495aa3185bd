# Debian packages the program and the tests need (sourced by the other scripts).
# fonts-liberation: the face of the windows' fixed layouts and of the charts;
# fonts-dejavu-core: a desktop's own face, for the menus and the help viewer.
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libcli11-dev libtomlplusplus-dev fonts-liberation fonts-dejavu-core
                qt6-translations-l10n)
TEST_PACKAGES=(libgtest-dev clang-format nlohmann-json3-dev)
# What scripts/package.sh needs to build the Debian package and check it.
PACKAGE_PACKAGES=(dpkg-dev file lintian appstream desktop-file-utils man-db)
