# Bash completion of the installer's command syntax: the command words first,
# then the options the program itself lists for the command ("help <command> -c").
# When the program cannot answer (not root, an error) nothing is offered and
# nothing is printed.

_kitwright_commands="version help list-all list install upgrade update add remove stop"

_kitwright()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "$_kitwright_commands" -- "$current"))
        return 0
    fi
    local command=${COMP_WORDS[1]}
    if [ "$command" = help ]; then
        [ "$COMP_CWORD" -eq 2 ] && COMPREPLY=($(compgen -W "$_kitwright_commands" -- "$current"))
        return 0
    fi
    case " $_kitwright_commands " in
    *" $command "*) ;;
    *) return 0 ;;
    esac
    case $current in
    -*) ;;
    *) return 0 ;;
    esac
    local answer options
    answer=$("${COMP_WORDS[0]}" help "$command" -c 2>/dev/null) || return 0
    options=$(printf '%s\n' "$answer" | sed -n 's/^ *"\(--[A-Za-z0-9-]*\)": .*/\1/p')
    COMPREPLY=($(compgen -W "$options" -- "$current"))
}

complete -F _kitwright kitwright
