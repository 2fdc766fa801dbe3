# bash completion for kestrel-import: its options, their values, and folders for SOURCE.

_kestrel_import() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    [ "$COMP_CWORD" -gt 0 ] && prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--jpg=o": bash splits the word at "=", so the option is the word before it.
    if [ "$cur" = "=" ]; then
        cur=
    elif [ "$prev" = "=" ] && [ "$COMP_CWORD" -gt 1 ]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    local values=
    case $prev in
    --jpg | --raw | --taken | --keep-both | --other-formats | --verify-copies)
        values="on off" ;;
    --folders | --raw-folders)
        values="ymd ym yd md y m d none" ;;
    --date)
        values="created modified" ;;
    --sidecar-names)
        values="name name.ext" ;;
    --creator | --copyright | --credit | --keywords | --description)
        return ;; # the user's own words
    --rename | --folders-pattern)
        values="off" ;; # or a pattern, typed by hand
    --job)
        return ;;
    --jpg-dest | --raw-dest | --verify)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return ;;
    --device)
        # The ports of the cameras connected now; "disk:FOLDER" is typed by hand.
        mapfile -t COMPREPLY < <(compgen -W "$(kestrel-import --list-devices 2>/dev/null |
            cut -f1)" -- "$cur")
        return ;;
    --backup-dest)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -W none -- "$cur"; compgen -d -- "$cur")
        return ;;
    esac
    if [ -n "$values" ]; then
        mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
        return
    fi

    if [ "${cur:0:1}" = "-" ]; then
        mapfile -t COMPREPLY < <(compgen -W "--jpg --raw --folders --raw-folders --date
            --jpg-dest --raw-dest --taken --keep-both --other-formats --verify-copies
            --backup-dest --rename --folders-pattern --job --dry-run --creator --copyright
            --credit --keywords --description --sidecar-names --verify --device --list-devices
            --show --help --version" -- "$cur")
        return
    fi
    # SOURCE: a folder.
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -d -- "$cur")
}

complete -F _kestrel_import kestrel-import
