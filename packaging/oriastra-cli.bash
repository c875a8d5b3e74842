# bash completion for oriastra-cli                              -*- shell-script -*-
# Installed as /usr/share/bash-completion/completions/oriastra-cli, loaded on first use.
# Plain compgen only, so it also works where bash-completion's helpers are not loaded.

_oriastra_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  # "--month=Ja" arrives as "--month" "=" "Ja" (= is a word break).
  if [[ $cur == = ]]; then
    cur=""
  elif [[ $prev == = && COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  else
    [[ $prev == --* ]] || prev=""
  fi
  COMPREPLY=()

  local traditions="tibetan burmese indonesian african arabic"
  local months="January February March April May June July August September October November December"
  case $prev in
    --month) mapfile -t COMPREPLY < <(compgen -W "$months" -- "$cur"); return ;;
    --sex) mapfile -t COMPREPLY < <(compgen -W "Male Female" -- "$cur"); return ;;
    --afternoon) mapfile -t COMPREPLY < <(compgen -W "yes no" -- "$cur"); return ;;
    --name | --day | --year) return ;;
  esac

  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "reading report save open batch --help --version" -- "$cur")
    return
  fi

  local command=${COMP_WORDS[1]} options positionals=()
  local birth="--name --day --month --year --sex --afternoon"
  case $command in
    reading | report) options="$birth --json --help"; positionals=(tradition) ;;
    save) options="$birth --help"; positionals=(file tradition) ;;
    open) options="--name --json --help"; positionals=(record) ;;
    batch) options="--help"; positionals=(tradition file) ;;
    *) return ;;
  esac

  # Which positional argument is being typed: words before it, less options and their values.
  local i word count=0 ended=""
  for ((i = 2; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ -n $ended || $word == - || $word != -* ]]; then
      [[ $word == = || ${COMP_WORDS[i - 1]} == = ]] && continue
      case ${COMP_WORDS[i - 1]} in
        --name | --day | --month | --year | --sex | --afternoon) [[ -z $ended ]] && continue ;;
      esac
      ((count++))
    elif [[ $word == -- ]]; then
      ended=1
    fi
  done

  if [[ $cur == -* && -z $ended ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi
  case ${positionals[count]} in
    tradition)
      local offered=$traditions
      # The Arabic tradition has no report and saves no record files.
      [[ $command == report || $command == save ]] && offered=${traditions% arabic}
      mapfile -t COMPREPLY < <(compgen -W "$offered" -- "$cur")
      ;;
    file)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      ;;
    record)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -d -- "$cur"
        local extension
        for extension in tib bur jav afa num; do compgen -f -X "!*.$extension" -- "$cur"; done)
      ;;
    *) mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur") ;;
  esac
}
complete -F _oriastra_cli oriastra-cli
