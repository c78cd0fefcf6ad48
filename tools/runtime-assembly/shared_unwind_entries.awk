# Lets neighbouring functions without exception tables share one unwind entry.
#
# Each unwind entry costs a header and a line of the lookup table beside it,
# more than the rules of a function whose rules are stated only at its calls
# (call_site_unwind.awk). Consecutive functions of one section that have no
# exception table become one entry: at the start of each function after the
# first, the rules go back to those of a function's entry. An exception table
# belongs to one function, so a function with one keeps its entry for itself,
# as does one with a rule this does not follow.
#
# Usage: awk -f shared_unwind_entries.awk file.s   (after call_site_unwind.awk)

function section_change(line) {
    return line ~ /^[ \t]*\.(text|data|bss|section|pushsection|popsection|previous|subsection)([ \t]|$)/
}

# The rules at the end of the function just read, taken back to those at a
# function's entry.
function entry_rules(    r, i) {
    i = 0
    if (cfa_reg != 7) reset[++i] = "\t.cfi_def_cfa 7, 8"
    else if (cfa_off != 8) reset[++i] = "\t.cfi_def_cfa_offset 8"
    for (r in saved) reset[++i] = "\t.cfi_restore " r
    return i
}

function print_held(    i) {
    for (i = 1; i <= between; i++) print between_line[i]
    between = 0
}

/^[ \t]*\.cfi_startproc/ {
    in_proc = 1
    shareable = 1
    body = 0
    cfa_reg = 7
    cfa_off = 8
    delete saved
    next
}

in_proc && $1 == ".cfi_endproc" {
    in_proc = 0
    if (open && shareable && !moved) {
        # Joins the open entry: the rules start again from a function's entry.
        print_held()
        for (i = 1; i <= resets; i++) print reset[i]
    } else {
        if (open) print "\t.cfi_endproc"
        print_held()
        print "\t.cfi_startproc"
    }
    for (i = 1; i <= body; i++) print body_line[i]
    moved = 0
    if (shareable) {
        open = 1
        resets = entry_rules()
    } else {
        print $0
        open = 0
    }
    next
}

in_proc {
    body_line[++body] = $0
    if ($1 ~ /^\.cfi_/) {
        if ($1 == ".cfi_def_cfa_offset") cfa_off = $2
        else if ($1 == ".cfi_def_cfa") { cfa_reg = $2 + 0; cfa_off = $3 }
        else if ($1 == ".cfi_offset") saved[$2 + 0] = 1
        else if ($1 == ".cfi_restore") delete saved[$2 + 0]
        else shareable = 0
    }
    next
}

# Between two functions: held until the next one tells whether the open entry
# goes on over these lines.
open {
    if (section_change($0)) moved = 1
    between_line[++between] = $0
    next
}

{ print }

END {
    if (open) print "\t.cfi_endproc"
    print_held()
}
