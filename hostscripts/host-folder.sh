# Sourced by the stand-in host's scripts: sets host_folder to the stand-in's document folder
# (VEMO_HOST_DIR, else vemo/host in the user's data folder) and makes it when it is missing.
# Texts are handled as bytes, whatever the user's locale.
LC_ALL=C
export LC_ALL

if [ -n "${VEMO_HOST_DIR:-}" ]; then
    host_folder=$VEMO_HOST_DIR
elif [ -n "${XDG_DATA_HOME:-}" ]; then
    host_folder=$XDG_DATA_HOME/vemo/host
elif [ -n "${HOME:-}" ]; then
    host_folder=$HOME/.local/share/vemo/host
else
    printf '%s: no document folder: set VEMO_HOST_DIR or HOME\n' "${0##*/}" >&2
    exit 1
fi
# A relative folder named like an option would be taken for one by the tools given its files.
case $host_folder in
    -*) host_folder=./$host_folder ;;
esac
mkdir -p -- "$host_folder"
