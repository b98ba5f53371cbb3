#!/usr/bin/env bash
# The demo's check refuses a transcript of a real tour once any step is
# taken out of it, a violation is added, or the exit code is not 0.
#   check_catches_faults.sh DEMO_CHECK TRANSCRIPT
set -euo pipefail
check="$1"
transcript="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$check" "$transcript" 0 >/dev/null || {
  echo "the real transcript does not pass" >&2
  exit 1
}

failures=0
refused() {  # |1| names the fault; the check must fail on |2| with code |3|.
  if "$check" "$2" "$3" >/dev/null 2>&1; then
    echo "not caught: $1" >&2
    failures=$((failures + 1))
  fi
}

# Each step the tour shows, taken out in turn (every line it matches).
steps=(
  '^host: started with'
  '^host: browser window ready'
  '^page: loaded'
  '^host: query "time"'
  '^page: query "time"'
  '^page: query "route" -> success "/orders"'
  '^page: query "fail" -> failure 1'
  '^host: showing view /settings'
  '^page: route pushed "/orders"'
  '^page: title "Sample app - /settings"'
  '^host: query "echo:/home"'
  '^page: query "echo:/orders"'
  '^host: page title "Sample app - /settings"'
  '^host: running script'
  '^host: shut down'
)
for pattern in "${steps[@]}"; do
  grep -q -E "$pattern" "$transcript" || {
    echo "the transcript has no line like $pattern" >&2
    exit 1
  }
  grep -v -E "$pattern" "$transcript" >"$work/cut.txt" || true
  refused "without $pattern" "$work/cut.txt" 0
done

# The last route's answer before its question.
awk '/^host: query "echo:\/home"/ { held = $0; next }
     { print } /^page: query "echo:\/home"/ && held { print held; held = "" }' \
  "$transcript" >"$work/swapped.txt"
refused "an answer before its question" "$work/swapped.txt" 0

cp "$transcript" "$work/violation.txt"
echo "cefsim: violation: CefFrame::GetV8Context called in the browser process" \
  >>"$work/violation.txt"
refused "a violation" "$work/violation.txt" 0
refused "exit code 1" "$transcript" 1

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "every fault was caught"
