# bash completion for quavel-cli: commands, options, the profiles of the
# current folder, and the keys and values of set. The keys come from the tool
# itself ("show Default --format=set"), so they never drift from it.

_quavel_cli_profiles()
{
    local file
    echo Default
    for file in *.wst; do
        [[ -f $file && $file != Default.wst ]] && echo "${file%.wst}"
    done
}

_quavel_cli_keys()
{
    quavel-cli show Default --format=set 2>/dev/null | sed 's/=.*/=/'
    echo vehicles=
}

# The values of a key: teams, vehicles or on/off.
_quavel_cli_values()
{
    case $1 in
    *.team) printf '%s\n' NVA VietCong ARVN USArmy USMarine SpecialForces ;;
    vehicle.*) _quavel_cli_keys | sed -n 's/^vehicle\.\(.*\)=$/\1/p' ;;
    vehicles) echo default ;;
    *) printf '%s\n' on off ;;
    esac
}

_quavel_cli()
{
    local IFS=$'\n' cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands=$'list\nshow\nset\nnew\npublish\ntargets\nconfig\ndiff\ncheck\nhelp'
    local command=${COMP_WORDS[1]} words=""
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$commands"$'\n--help\n--version' -- "$cur"))
        return
    fi
    case $prev in
    --to) COMPREPLY=($(compgen -W $'server\ngame\nboth\ncwd' -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W $'table\njson\nset' -- "$cur")); return ;;
    esac
    if [[ $cur == -* ]]; then
        case $command in
        list) words=--json ;;
        show) words=$'--format=\n--json' ;;
        publish) words=$'--to\n--to-dir\n--backup\n--cwd-only' ;;
        targets) words=$'--cwd-only\n--json' ;;
        esac
        COMPREPLY=($(compgen -W "$words"$'\n--help' -- "$cur"))
        [[ ${COMPREPLY[0]} == *= ]] && compopt -o nospace 2>/dev/null
        return
    fi
    case $command in
    help) ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    show | publish | diff) COMPREPLY=($(compgen -W "$(_quavel_cli_profiles)" -- "$cur")) ;;
    check) COMPREPLY=($(compgen -f -- "$cur")) ;;
    set)
        if ((COMP_CWORD == 2)); then
            COMPREPLY=($(compgen -W "$(_quavel_cli_profiles)" -- "$cur"))
        elif [[ $cur == = ]]; then  # bash splits words at "="
            COMPREPLY=($(_quavel_cli_values "$prev"))
        elif [[ $prev == = ]]; then
            COMPREPLY=($(compgen -W "$(_quavel_cli_values "${COMP_WORDS[COMP_CWORD - 2]}")" -- "$cur"))
        elif [[ $cur == *=* ]]; then
            COMPREPLY=($(compgen -P "${cur%%=*}=" -W "$(_quavel_cli_values "${cur%%=*}")" -- "${cur#*=}"))
        else
            COMPREPLY=($(compgen -W "$(_quavel_cli_keys)" -- "$cur"))
            compopt -o nospace 2>/dev/null
        fi
        ;;
    esac
}

complete -F _quavel_cli quavel-cli
