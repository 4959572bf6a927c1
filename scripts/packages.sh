# The Debian packages each command needs; sourced by ./test and ./calorvia.
# build: compiler, build system and test framework; Qt 6 Widgets (with Print
# Support) for the desktop window, and a font for its text, also offscreen.
# libcli11-dev: calorvia-batch's option parsing (CLI11, header-only).
# qt6-translations-l10n: Qt's own texts in Portuguese (qtbase_pt_BR.qm), so that
# in Portuguese the standard buttons say "Sim"/"Não" and the file dialogs
# "Procurar em", like the rest of the program; the GUI tests check it.
CALORVIA_BUILD_PACKAGES=(g++ cmake ninja-build libgtest-dev libgmock-dev
                         qt6-base-dev libgl-dev fonts-dejavu-core libcli11-dev
                         qt6-translations-l10n)
# fuzz and sanitize: clang with its libFuzzer and sanitizer runtimes.
CALORVIA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# bench: Google Benchmark.
CALORVIA_BENCH_PACKAGES=(libbenchmark-dev)
# package: the build writes each program's manual page from its --help with
# help2man; for the Debian package (cmake --build --target package, and its
# test) CPack picks the executables out with file, and dpkg-dev's
# dpkg-shlibdeps finds the libraries the package must depend on.
CALORVIA_BUILD_PACKAGES+=(help2man file dpkg-dev)
# nlohmann-json3-dev: calorvia-batch --json writes its summary with the JSON
# for Modern C++ library (header only) rather than by hand.
CALORVIA_BUILD_PACKAGES+=(nlohmann-json3-dev)
# libfmt-dev, libfast-float-dev: the numbers of the files are written with {fmt}
# and read with fast_float (both header-only here), in the desktop and the web
# builds alike; libboost-math-dev: the Bessel functions of the exact radial
# solutions (Boost.Math, header-only).
CALORVIA_BUILD_PACKAGES+=(libfmt-dev libfast-float-dev libboost-math-dev)
