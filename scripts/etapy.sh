# Sourced by the scripts: each stage of their work is one line on the terminal, its full
# output goes to a log in build/logi/, and a stage that fails says which and where its log is.
# Expects korzen (the source tree); GRA_BUDOWA may name another build folder.
budowa=${GRA_BUDOWA:-$korzen/build}
logi=$budowa/logi
mkdir -p "$logi"
na_terminal=false
[ -t 1 ] && na_terminal=true

# nieudany NAME LOG: the failure of a stage, with the end of its log.
nieudany() {
  echo "failed"
  echo "The stage \"$1\" failed; its full output is in $2. Its end:" >&2
  tail -n 40 "$2" >&2
  exit 1
}

# etap NAME LOG COMMAND...: runs the command quietly as one stage.
etap() {
  local nazwa=$1 log=$logi/$2.log
  shift 2
  printf '%s ... ' "$nazwa"
  if "$@" >"$log" 2>&1; then echo "done"; else nieudany "$nazwa" "$log"; fi
}

# etap_z_postepem NAME LOG COMMAND...: as etap, showing the command's own "[ NN%]" (cmake's
# build) or "N/M" (ctest) figures on the same line while it runs.
etap_z_postepem() {
  local nazwa=$1 log=$logi/$2.log
  shift 2
  printf '%s ... ' "$nazwa"
  set +e
  "$@" 2>&1 | tee "$log" | grep --line-buffered -oE '^\[ *[0-9]+%\]|^ *[0-9]+/[0-9]+ ' |
    while read -r postep; do
      $na_terminal && printf '\r\033[K%s ... %s' "$nazwa" "$postep"
    done
  local wynik=${PIPESTATUS[0]}
  set -e
  $na_terminal && printf '\r\033[K%s ... ' "$nazwa"
  if [ "$wynik" -eq 0 ]; then echo "done"; else nieudany "$nazwa" "$log"; fi
}
