#!/usr/bin/env bash
# The page: builds it with the web preset (WebAssembly from Emscripten, the
# scripts bundled from the npm packages of web/package-lock.json), lints its
# scripts with ESLint, runs the unit tests of their pure functions with
# node --test, and checks it in headless Chromium against the native build
# (web/test/check.mjs), which also checks the single file and leaves its
# screenshot in build/web/web.png (cmake --build --preset web --target
# web_screenshot copies it to docs/web.png). Installs only what it needs: Emscripten,
# Chromium and npm. The native program and sinc-study come from build/release.
# usage: .ci/web.sh [NATIVE_BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build/release}

missing=()
command -v em++ >/dev/null || missing+=(emscripten)
command -v chromium >/dev/null || missing+=(chromium)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [ ! -x "$native/sinc-anneal" ] || [ ! -x "$native/tools/sinc-study" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j2 --target sinc-anneal sinc-study >/dev/null
fi

cmake --workflow --preset web >/dev/null
(cd web && node_modules/.bin/eslint . && node --test test/unit/ >/dev/null)
# The engine's WebAssembly lanes print every bit as the plain lanes do.
timeout 120 node build/web/exact_lanes.js | cmp - tests/golden/exact_lanes.out
echo "exact engine in WebAssembly: every digest as the plain lanes'"
timeout 60 node build/web/portable_math.js | cmp - tests/golden/portable_math.out
echo "elementary functions in WebAssembly: every digest as the native build's"
timeout 420 node web/test/check.mjs build/web/site "$native"
