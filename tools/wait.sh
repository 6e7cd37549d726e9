# Sourced by the shell tools and the e2e helpers.
# wait_until SECONDS COMMAND...: polls every 0.1 s until the command succeeds; fails when the time is up.
wait_until() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}
