# Keeps a function's unwind rules only where an unwinder can stand: at its
# calls.
#
# The compiler describes the frame at every instruction (each push, pop and
# stack adjustment of a prologue and of every epilogue), so that a debugger or
# profiler can stop anywhere. An exception only passes through a frame at the
# return address of a call, and no signal handler in the runtime throws or
# walks the stack (see leaf_unwind.awk). So the rules are worked out as the
# compiler wrote them and stated once before each call whose frame differs
# from the one stated before: the table holds a few rows per function instead
# of a row per instruction, a fifth of a small program's unwind data.
#
# A function with a rule this does not follow (.cfi_escape, as for arguments
# pushed on the stack) keeps its rules as they are.
#
# Usage: awk -f call_site_unwind.awk file.s

function frame_text(    r, text) {
    text = cfa_reg "," cfa_off
    for (r in saved) text = text ";" r "@" saved[r]
    return text
}

function load_frame(text,    parts, n, i, pair) {
    delete saved
    n = split(text, parts, ";")
    split(parts[1], pair, ",")
    cfa_reg = pair[1]
    cfa_off = pair[2]
    for (i = 2; i <= n; i++) {
        split(parts[i], pair, "@")
        saved[pair[1]] = pair[2]
    }
}

# Directives that take the stated frame to the present one, before a call.
function state_frame(    r) {
    if (cfa_reg != told_reg) out[++outs] = "\t.cfi_def_cfa " cfa_reg ", " cfa_off
    else if (cfa_off != told_off) out[++outs] = "\t.cfi_def_cfa_offset " cfa_off
    told_reg = cfa_reg
    told_off = cfa_off
    for (r in saved)
        if (!(r in told) || told[r] != saved[r]) out[++outs] = "\t.cfi_offset " r ", " saved[r]
    for (r in told)
        if (!(r in saved)) out[++outs] = "\t.cfi_restore " r
    delete told
    for (r in saved) told[r] = saved[r]
}

function arg(i,    line) {
    line = $0
    sub(/^[ \t]*\.cfi_[a-z_]+[ \t]*/, "", line)
    split(line, args, /[ \t]*,[ \t]*/)
    return args[i]
}

function finish(    i) {
    if (unknown) for (i = 1; i <= kept; i++) print original[i]
    else for (i = 1; i <= outs; i++) print out[i]
    kept = outs = 0
}

/^[ \t]*\.cfi_startproc/ {
    in_proc = 1
    unknown = 0
    cfa_reg = 7
    cfa_off = 8
    delete saved
    told_reg = cfa_reg
    told_off = cfa_off
    delete told
    depth = 0
    original[++kept] = $0
    out[++outs] = $0
    next
}

in_proc {
    original[++kept] = $0
    if ($1 == ".cfi_endproc") {
        out[++outs] = $0
        in_proc = 0
        finish()
        next
    }
    if ($1 ~ /^\.cfi_/) {
        if ($1 == ".cfi_def_cfa_offset") cfa_off = arg(1)
        else if ($1 == ".cfi_adjust_cfa_offset") cfa_off += arg(1)
        else if ($1 == ".cfi_def_cfa_register") cfa_reg = arg(1)
        else if ($1 == ".cfi_def_cfa") { cfa_reg = arg(1); cfa_off = arg(2) }
        else if ($1 == ".cfi_offset") saved[arg(1)] = arg(2)
        else if ($1 == ".cfi_restore") delete saved[arg(1)]
        else if ($1 == ".cfi_remember_state") remembered[++depth] = frame_text()
        else if ($1 == ".cfi_restore_state") load_frame(remembered[depth--])
        else if ($1 == ".cfi_personality" || $1 == ".cfi_lsda") out[++outs] = $0
        else unknown = 1
        next
    }
    if ($1 == "call") state_frame()
    out[++outs] = $0
    next
}

{ print }

END { if (in_proc) finish() }
