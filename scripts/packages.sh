# Debian packages the build and the tests need (sourced by the other scripts).
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev libcli11-dev
                fonts-liberation qt6-translations-l10n)
TEST_PACKAGES=(clang-format nlohmann-json3-dev)
