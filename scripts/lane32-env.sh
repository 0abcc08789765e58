# shellcheck shell=bash
# Sourced with a lane dir: the environment under which Wine runs 32-bit programs
# through the lane's loader (see lane32-setup.sh).
lane32_dir=$1
# Programs that Wine starts find their loader, and the preloader beside it, here.
export WINELOADER=$lane32_dir/root/lib/wine/wine
# The dynamic loader expands $LIB: the shim in 32-bit processes, an empty one in 64-bit ones.
export LD_PRELOAD="$lane32_dir/trapfix/\$LIB/trapfix.so"
# Set, it makes Wine skip the preloader.
unset WINELOADERNOEXEC
