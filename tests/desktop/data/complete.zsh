# zsh -f complete.zsh FOLDER LINE: prints, one a line, what zsh's completion
# system offers when Tab is pressed at the end of LINE, with the completion
# functions of FOLDER. An interactive zsh in a pseudo-terminal completes the
# line; a compadd wrapped around the builtin one writes down each candidate
# added, and the completion inserts and lists nothing.
if [[ $1 == --inside ]]; then
    fpath=($2 $fpath)
    autoload -Uz compinit && compinit -u -D
    capture=$3
    compadd() {
        # The completion system's own look-ups (-O, -A, -D) add nothing.
        if (( $@[(I)-[OAD]] )); then
            builtin compadd "$@"
            return
        fi
        local -a added
        builtin compadd -O added "$@"
        (( $#added )) && print -rl -- $added >>$capture
        builtin compadd "$@"
    }
    _capture_finish() {
        compstate[insert]=''
        compstate[list]=''
        print -n 'QUAVEL-COMPLETED' >/dev/tty
    }
    _capture_complete() { comppostfuncs=(_capture_finish); _main_complete }
    zle -C capture-complete complete-word _capture_complete
    bindkey '^I' capture-complete
    # Keys typed before the line editor reads would be lost: the prompt tells
    # when it does.
    PS1='QUAVEL-PROMPT '
    return
fi
zmodload zsh/zpty
capture=$(mktemp)
zpty shell TERM=xterm zsh -f -i
zpty -w shell "source ${(q)0} --inside ${(q)1} ${(q)capture}"
zpty -r -m shell output '*QUAVEL-PROMPT*'
zpty -w -n shell "$2"$'\t'
zpty -r -m shell output '*QUAVEL-COMPLETED*'
zpty -d shell
sort -u $capture
rm -f $capture
