# fish completion for quavel-cli: commands, options, the profiles of the
# current folder, and the keys and values of set. The keys come from the tool
# itself ("show Default --format=set"), so they never drift from it.

function __quavel_cli_profiles
    echo Default
    for file in *.wst
        test -f $file; and test $file != Default.wst; and string replace -r '\.wst$' '' -- $file
    end
end

function __quavel_cli_keys
    quavel-cli show Default --format=set 2>/dev/null | string replace -r '=.*' ''
    echo vehicles
end

# The profile first, then KEY= and, once a key is typed, KEY=VALUE.
function __quavel_cli_set_arguments
    if test (count (commandline -opc)) -le 2
        __quavel_cli_profiles
        return
    end
    set -l token (commandline -ct)
    if not string match -q '*=*' -- $token
        printf '%s=\n' (__quavel_cli_keys)
        return
    end
    set -l key (string split -m 1 = -- $token)[1]
    set -l values on off
    switch $key
        case '*.team'
            set values NVA VietCong ARVN USArmy USMarine SpecialForces
        case 'vehicle.*'
            set values (__quavel_cli_keys | string replace -r -f '^vehicle\.' '')
        case vehicles
            set values default
    end
    printf "$key=%s\n" $values
end

set -l commands list show set new publish targets config diff check help
complete -c quavel-cli -f
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -l help -d 'show the help'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -l version -d 'show the version'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a list -d 'list the profiles'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a show -d 'show a profile'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a set -d 'change settings of a profile'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a new -d 'create a profile from Default.wst'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a publish -d 'publish a profile'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a targets -d 'show where publish writes'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a config -d 'read or change the settings file'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a diff -d 'compare two profiles'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a check -d 'check that files load as profiles'
complete -c quavel-cli -n "not __fish_seen_subcommand_from $commands" -a help -d 'show the help of a command'
complete -c quavel-cli -n "__fish_seen_subcommand_from help" -a "$commands"
complete -c quavel-cli -n "__fish_seen_subcommand_from show publish diff" -a '(__quavel_cli_profiles)'
complete -c quavel-cli -n "__fish_seen_subcommand_from set" -a '(__quavel_cli_set_arguments)'
complete -c quavel-cli -n "__fish_seen_subcommand_from check" -F
complete -c quavel-cli -n "__fish_seen_subcommand_from list" -l json -d 'print a JSON array'
complete -c quavel-cli -n "__fish_seen_subcommand_from show" -l format -x -a 'table json set' -d 'how to print'
complete -c quavel-cli -n "__fish_seen_subcommand_from show" -l json -d 'print JSON'
complete -c quavel-cli -n "__fish_seen_subcommand_from publish" -l to -x -a 'server game both cwd' -d 'where to publish'
complete -c quavel-cli -n "__fish_seen_subcommand_from publish" -l backup -d 'keep the replaced file'
complete -c quavel-cli -n "__fish_seen_subcommand_from publish" -l to-dir -r -a '(__fish_complete_directories)' -d 'publish into a folder'
complete -c quavel-cli -n "__fish_seen_subcommand_from targets" -l json -d 'print JSON'
complete -c quavel-cli -n "__fish_seen_subcommand_from publish targets" -l cwd-only -d 'only the working folder'
