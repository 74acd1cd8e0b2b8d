# bash completion for quavel-cli (loaded by the package bash-completion): the
# options before the command, the commands and their options, the profiles of
# the folder the tool will work in (the current one, or the one -C or
# --directory names), and the keys and values of set. The keys come from the
# tool itself ("show Default --format=set"), so they never drift from it.

# The profiles of the folder $1, the current one when empty.
_quavel_cli_profiles()
{
    local folder=${1:-.} file
    echo Default
    for file in "$folder"/*.wst; do
        file=${file##*/}
        [[ -f $folder/$file && $file != Default.wst ]] && echo "${file%.wst}"
    done
}

# The names of the servers in the settings file, as server:NAME.
_quavel_cli_servers()
{
    sed -n 's/^[[:space:]]*\[server[[:space:]]*"\(.*\)"[[:space:]]*\][[:space:]]*$/server:\1/p' \
        "${XDG_CONFIG_HOME:-$HOME/.config}/quavel/quavel.conf" 2>/dev/null
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

# The options of the command $1 (the options before any command when empty);
# those whose value follows "=" end in it.
_quavel_cli_options()
{
    case $1 in
    '') printf '%s\n' -C --directory --prefix --version ;;
    list) echo --json ;;
    show) printf '%s\n' --format= --json ;;
    publish) printf '%s\n' --to --to-dir --to-url --backup --cwd-only --force ;;
    targets) printf '%s\n' --cwd-only --check --json ;;
    check | diff) echo --json ;;
    esac
    echo --help
}

_quavel_cli()
{
    local cur prev words cword split
    # -s: "--format=js" is completed as "js" after "--format"; -n =: the
    # word "red.team=U" stays whole, and -n : "server:eu" too.
    _init_completion -s -n =: || return
    local IFS=$'\n'
    local commands=$'list\nshow\nset\nnew\npublish\ntargets\nconfig\ndiff\ncheck\ntrust-host\nimport\nhelp'
    case $prev in
    -C | --directory | --prefix | --to-dir) _filedir -d; return ;;
    --to)
        COMPREPLY=($(compgen -W $'server\ngame\nboth\ncwd\n'"$(_quavel_cli_servers)" -- "$cur"))
        return
        ;;
    --format) COMPREPLY=($(compgen -W $'table\njson\nset' -- "$cur")); return ;;
    esac
    $split && return

    # The options before the command, and the folder they name.
    local index folder="" command=""
    for ((index = 1; index < cword; index++)); do
        case ${words[index]} in
        -C | --directory) folder=${words[++index]} ;;
        --directory=*) folder=${words[index]#*=} ;;
        --prefix) ((index++)) ;;
        -?*) ;;
        *) command=${words[index]}; break ;;
        esac
    done
    folder=${folder/#\~/$HOME}
    # How many of the command's arguments stand before the word completed.
    local arguments=0
    for ((index++; index < cword; index++)); do
        case ${words[index]} in
        --to | --to-dir | --to-url | --format) ((index++)) ;;
        -?*) ;;
        *) ((arguments++)) ;;
        esac
    done

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_quavel_cli_options "$command")" -- "$cur"))
    fi
    case $command in
    '') [[ $cur != -* ]] && COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    help) ((arguments == 0)) && COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    show | publish | diff) COMPREPLY+=($(compgen -W "$(_quavel_cli_profiles "$folder")" -- "$cur")) ;;
    check)
        _filedir
        COMPREPLY+=($(compgen -W - -- "$cur"))
        ;;
    config)
        case $arguments in
        0) COMPREPLY=($(compgen -W $'get\nset\nunset\nadd-server\nremove-server' -- "$cur")) ;;
        1)
            if [[ ${words[cword - 1]} == remove-server ]]; then
                COMPREPLY=($(compgen -W "$(_quavel_cli_servers | sed 's/^server://')" -- "$cur"))
            elif [[ ${words[cword - 1]} != add-server ]]; then
                COMPREPLY=($(compgen -W $'installs.prefix\ninstalls.game\ninstalls.server' -- "$cur"))
            fi
            ;;
        2) [[ ${words[cword - 2]} == set ]] && _filedir -d ;;
        esac
        ;;
    import)
        if ((arguments == 0)); then
            _filedir -d
            COMPREPLY+=($(compgen -W $'server\ngame\ncwd\n'"$(_quavel_cli_servers)" -- "$cur"))
        fi
        ;;
    set)
        if ((arguments == 0)); then
            COMPREPLY+=($(compgen -W "$(_quavel_cli_profiles "$folder")" -- "$cur"))
        elif [[ $cur == *=* ]]; then  # bash replaces what follows the "="
            COMPREPLY=($(compgen -W "$(_quavel_cli_values "${cur%%=*}")" -- "${cur#*=}"))
        else
            COMPREPLY+=($(compgen -W "$(_quavel_cli_keys)" -- "$cur"))
        fi
        ;;
    esac
    [[ ${COMPREPLY[*]} == *= ]] && compopt -o nospace 2>/dev/null
}

complete -F _quavel_cli quavel-cli
