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
# web: the web build and its tests. emscripten (Debian's 3.1.6, with its clang
# and node) compiles the same sources to WebAssembly; nodejs runs the batch
# program's web build and the browser tests, and npm installs their two npm
# packages (package-lock.json); chromium is the browser the tests drive, the
# one apt gives, so that no test tool downloads a browser of its own; python3
# serves build/web (http.server) to the browser, as any static host would.
# A machine whose nodejs comes from elsewhere often carries npm in that
# package, and Debian's npm would clash with it, so npm is installed only where
# the command is missing (scripts/ensure-web-tools.sh).
CALORVIA_WEB_PACKAGES=(emscripten nodejs chromium python3)
