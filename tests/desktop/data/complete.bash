# bash complete.bash LINE: prints, one a line, what bash offers when Tab is
# pressed at the end of LINE, with quavel-cli's completion loaded by
# bash-completion on first use (it looks in $XDG_DATA_DIRS). Readline's part,
# splitting the line into words, is done here: at blanks, and at "=", which
# makes a word of its own.
source /usr/share/bash-completion/bash_completion
line=$1
set -f
COMP_WORDS=(${line//=/ = })
set +f
[[ $line == *' ' ]] && COMP_WORDS+=('')
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
COMP_LINE=$line
COMP_POINT=${#line}
_completion_loader quavel-cli
function=$(complete -p quavel-cli | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
"$function" quavel-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}"
