# bash completion for lumaro: the commands, then each command's options, then files.

_lumaro() {
    local cur prev words cword
    _init_completion || return

    local commands="dump summary pane names settings title comment date exif-copy exif-add
        exif-delete thumbnail rotate copy move rename delete html csv presentation"
    local files="-r -0 --files-from -- --help"

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    case $prev in
        --to | --out | --from | --templates)
            _filedir -d
            return
            ;;
        --files-from)
            _filedir
            return
            ;;
        --name)
            COMPREPLY=($(compgen -W "keep date dcf" -- "$cur"))
            return
            ;;
        --existing)
            COMPREPLY=($(compgen -W "replace exif keep" -- "$cur"))
            return
            ;;
        --flip)
            COMPREPLY=($(compgen -W "h v" -- "$cur"))
            return
            ;;
        --tags)
            COMPREPLY=($(compgen -W "DateTime,DateTimeOriginal,DateTimeDigitized" -- "$cur"))
            return
            ;;
        --fields | --prefix | --type | --width | --thumb-width | --at | --time | --shift | \
            --dcf | --date-pattern | --date-sep | --time-pattern | --time-sep | --digits)
            return
            ;;
    esac

    local options
    case ${words[1]} in
        dump) options="--raw --json" ;;
        summary) options="--json --fields --no-header" ;;
        pane) options="--fields --dump --json" ;;
        names) options="--date --dcf --to --date-pattern --date-sep --time-pattern --time-sep
            --digits" ;;
        settings)
            COMPREPLY=($(compgen -W "list get set" -- "$cur"))
            return
            ;;
        title | comment) options="--dry-run --yes --no-header" ;;
        date) options="--from-file --at --time --shift --tags --dry-run --yes --no-header" ;;
        exif-copy) options="--from --dry-run --yes --no-header" ;;
        exif-add | exif-delete) options="--out --dry-run --yes --no-header" ;;
        thumbnail) options="--extract --out --dry-run --yes --no-header" ;;
        rotate)
            if ((cword == 2)) && [[ $cur != -* ]]; then
                COMPREPLY=($(compgen -W "90 180 270" -- "$cur"))
                return
            fi
            options="--auto --flip --dry-run --yes --no-header"
            ;;
        copy | move) options="--to --name --prefix --dry-run --yes --no-header" ;;
        rename) options="--name --prefix --dry-run --yes --no-header" ;;
        delete) options="--permanent --dry-run --yes --no-header" ;;
        html) options="--out --type --width --thumb-width --existing --templates --dry-run
            --yes" ;;
        csv) options="--out --dry-run" ;;
        presentation) options="--to --prefix --dry-run --yes --no-header" ;;
        *) return ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options $files" -- "$cur"))
        return
    fi
    _filedir
} && complete -F _lumaro lumaro
