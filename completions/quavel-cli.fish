# fish completion for quavel-cli: the options before the command, the commands
# and their options, the profiles of the folder the tool will work in (the
# current one, or the one -C or --directory names), and the keys and values of
# set. The keys come from the tool itself ("show Default --format=set"), so
# they never drift from it.

# What the words before the cursor give: "command", the command (nothing before
# it); "folder", the folder named by -C or --directory; "arguments", the words
# after the command.
function __quavel_cli_given -a what
    set -l words (commandline -opc)[2..-1]
    set -l folder
    while set -q words[1]
        switch $words[1]
            case -C --directory
                set folder $words[2]
                set -e words[1]
            case '--directory=*'
                set folder (string replace -- --directory= '' $words[1])
            case --prefix
                set -e words[1]
            case '-?*'
            case '*'
                switch $what
                    case command
                        echo $words[1]
                    case arguments
                        string match -v -r -- '^-.' $words[2..-1]
                end
                break
        end
        set -e words[1]
    end
    test $what = folder; and string replace -r -- '^~' $HOME $folder
end

function __quavel_cli_command_is
    contains -- "$(__quavel_cli_given command)" $argv
end

function __quavel_cli_commands
    printf '%s\t%s\n' list 'list the profiles' show 'show a profile' \
        set 'change settings of a profile' new 'create a profile from Default.wst' \
        publish 'publish a profile' targets 'show where publish writes' \
        config 'read or change the settings file' diff 'compare two profiles' \
        check 'check that files load as profiles' trust-host 'trust the SSH key of a server' \
        import 'fetch a server\'s CustomCombat.wst as a new profile' help 'show the help of a command'
end

# The names of the servers in the settings file.
function __quavel_cli_servers
    set -l config $XDG_CONFIG_HOME
    test -n "$config"; or set config $HOME/.config
    test -r $config/quavel/quavel.conf; or return
    string replace -r -f -- '^\s*\[server\s*"(.*)"\s*\]\s*$' '$1' <$config/quavel/quavel.conf
end

function __quavel_cli_profiles
    set -l folder (__quavel_cli_given folder)
    test -n "$folder"; or set folder .
    echo Default
    for file in $folder/*.wst
        test -f $file; and string replace -r -- '^.*/(.*)\.wst$' '$1' $file | string match -v Default
    end
end

function __quavel_cli_keys
    quavel-cli show Default --format=set 2>/dev/null | string replace -r '=.*' ''
    echo vehicles
end

# The profile first, then KEY= and, once a key is typed, KEY=VALUE.
function __quavel_cli_set_arguments
    if test (count (__quavel_cli_given arguments)) -eq 0
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

# The folders for an option's value, also where it follows "--OPTION=".
function __quavel_cli_folders
    __fish_complete_directories (string replace -r -- '^--[^=]*=' '' (commandline -ct))
end

function __quavel_cli_config_arguments
    set -l given (__quavel_cli_given arguments)
    switch (count $given)
        case 0
            printf '%s\n' get set unset add-server remove-server
        case 1
            switch $given[1]
                case remove-server
                    __quavel_cli_servers
                case get set unset
                    printf '%s\n' installs.prefix installs.game installs.server
            end
        case 2
            test $given[1] = set; and __quavel_cli_folders
    end
end

function __quavel_cli_import_arguments
    test (count (__quavel_cli_given arguments)) -eq 0; or return
    printf '%s\n' server game cwd
    printf 'server:%s\n' (__quavel_cli_servers)
    __quavel_cli_folders
end

complete -c quavel-cli -f
set -l before '__quavel_cli_command_is ""'
complete -c quavel-cli -n $before -a '(__quavel_cli_commands)'
complete -c quavel-cli -n $before -s C -l directory -x -a '(__quavel_cli_folders)' \
    -d 'work in DIR instead of the current folder'
complete -c quavel-cli -n $before -l prefix -x -a '(__quavel_cli_folders)' \
    -d 'look for the installs in this Wine prefix alone'
complete -c quavel-cli -n $before -l version -d 'show the version'
complete -c quavel-cli -l help -d 'show the help'

complete -c quavel-cli -n '__quavel_cli_command_is help' -a '(__quavel_cli_commands)'
complete -c quavel-cli -n '__quavel_cli_command_is show publish diff' -a '(__quavel_cli_profiles)'
complete -c quavel-cli -n '__quavel_cli_command_is set' -a '(__quavel_cli_set_arguments)'
complete -c quavel-cli -n '__quavel_cli_command_is config' -a '(__quavel_cli_config_arguments)'
complete -c quavel-cli -n '__quavel_cli_command_is check' -F -a - -d 'standard input'
complete -c quavel-cli -n '__quavel_cli_command_is import' -a '(__quavel_cli_import_arguments)'
complete -c quavel-cli -n '__quavel_cli_command_is list show targets check diff' -l json \
    -d 'print JSON'
complete -c quavel-cli -n '__quavel_cli_command_is show' -l format -x -a 'table json set' \
    -d 'how to print the profile'
complete -c quavel-cli -n '__quavel_cli_command_is publish' -l to -x \
    -a 'server game both cwd (printf "server:%s\n" (__quavel_cli_servers))' -d 'where to publish'
complete -c quavel-cli -n '__quavel_cli_command_is publish' -l to-url -x -d 'publish to a server by its URL'
complete -c quavel-cli -n '__quavel_cli_command_is targets' -l check -d 'connect to every server'
complete -c quavel-cli -n '__quavel_cli_command_is publish' -l to-dir -x \
    -a '(__quavel_cli_folders)' -d 'publish into a folder'
complete -c quavel-cli -n '__quavel_cli_command_is publish' -l backup -d 'keep the replaced file'
complete -c quavel-cli -n '__quavel_cli_command_is publish targets' -l cwd-only \
    -d 'only the working folder'
