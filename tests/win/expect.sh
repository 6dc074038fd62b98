# Checks shared by the Wine test scripts (sourced): count failures, print each one.
#   expect OUTPUT TEXT [absent]   TEXT must (or, with "absent", must not) occur in OUTPUT
failures=0
expect() {
  if grep -qF -- "$2" <<<"$1"; then found=1; else found=0; fi
  if [ "${3:-}" = absent ]; then
    [ $found -eq 0 ] || { echo "FAIL: did not expect '$2' in:"$'\n'"$1"; failures=$((failures + 1)); }
  else
    [ $found -eq 1 ] || { echo "FAIL: expected '$2' in:"$'\n'"$1"; failures=$((failures + 1)); }
  fi
}
