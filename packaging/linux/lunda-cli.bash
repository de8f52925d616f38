# bash completion for lunda-cli: commands, their options, and INDEX from the catalogue of the
# data folder given so far.

_lunda_cli_indexes() {
  local data=$1
  [[ $data == "~/"* ]] && data=$HOME/${data#"~/"}
  lunda-cli --data "$data" list 2>/dev/null | cut -f1
}

_lunda_cli() {
  local cur prev words cword split
  _init_completion -s || return

  local data=data command="" i
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      --data) data=${words[i + 1]}; ((i++)) ;;
      --data=*) data=${words[i]#--data=} ;;
      -*) ;;
      *) command=${words[i]}; break ;;
    esac
  done

  case $prev in
    --data) _filedir -d; return ;;
    --output) _filedir; return ;;
    --vcd) _filedir vcd; return ;;
    --date) COMPREPLY=($(compgen -W "$(date +%F)" -- "$cur")); return ;;
    --port) COMPREPLY=($(compgen -W "sim ftdi io:0x378 io:0x278 $(compgen -G '/dev/parport*')" -- "$cur")); return ;;
    --set)
      compopt -o nospace
      COMPREPLY=($(compgen -W "threshold1= threshold2= threshold3= threshold4= start-delay=
        sensor-current= $(printf 'T%d= ' {1..36})" -- "$cur"))
      return
      ;;
  esac
  $split && return

  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "--data --help" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "list show image write decode" -- "$cur"))
    fi
    return
  fi

  local options
  case $command in
    list) options="--json" ;;
    show) options="" ;;
    image) options="--date --set --output" ;;
    write) options="--date --set --port --vcd" ;;
    decode) options="--output --json" ;;
    *) return ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
  elif [[ $command == decode ]]; then
    _filedir vcd
  elif [[ $command == show || $command == image || $command == write ]]; then
    COMPREPLY=($(compgen -W "$(_lunda_cli_indexes "$data")" -- "$cur"))
  fi
} && complete -F _lunda_cli lunda-cli
