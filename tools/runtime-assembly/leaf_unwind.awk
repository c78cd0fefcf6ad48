# Drops the unwind entries of functions that call nothing.
#
# An exception only passes through a frame whose code made a call; no signal
# handler in the runtime throws or walks the stack. A function (or the hot or
# cold part of one) without a call instruction, a personality or an exception
# table therefore never needs its .eh_frame entry, which costs its size again
# in the lookup table beside it. A tail jump leaves no frame to unwind.
#
# Usage: awk -f leaf_unwind.awk file.s

function flush(keep,    i) {
    for (i = 1; i <= held; i++)
        if (keep || held_line[i] !~ /^[ \t]*\.cfi_/) print held_line[i]
    held = 0
}

/^[ \t]*\.cfi_startproc/ {
    in_proc = 1
    needs_unwind = 0
}

in_proc {
    held_line[++held] = $0
    if ($1 == "call" || $1 == ".cfi_personality" || $1 == ".cfi_lsda") needs_unwind = 1
    if ($1 == ".cfi_endproc") {
        in_proc = 0
        flush(needs_unwind)
    }
    next
}

{ print }

END { flush(1) }
