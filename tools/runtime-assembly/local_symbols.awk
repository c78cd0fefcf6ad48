# Renames the symbols that an assembly file defines but does not export (static
# functions and variables, anonymous-namespace code, function-local statics) to
# assembler-local labels, so they no longer reach the program's symbol table.
# Every compiled program carries the runtime unstripped; these names were about
# a sixth of a small program's file and nothing reads them: the runtime looks up
# only the generated program's own functions by symbol.
#
# Inline and template functions (weak, each in its own COMDAT group) become
# local too: their code leaves the group, so the linker keeps this copy for
# this file's calls. A function that another file also instantiates is then
# linked twice, which costs less than its name did. Weak data (vtables,
# type_info, statics of inline functions) stays shared, as the language needs.
#
# Usage: awk -f local_symbols.awk file.s file.s   (the file is read twice)

function symbol_chars(c) { return c ~ /[A-Za-z0-9_.$]/ }

# Pass 1: which names are defined here, and which of them are exported.
FNR == NR {
    if ($1 == ".section" || $1 == ".text" || $1 == ".data" || $1 == ".bss") {
        in_group = $1 == ".section" && $2 ~ /,"axG",@progbits,/
    } else if (match($0, /^[A-Za-z_$][A-Za-z0-9_.$]*:/)) {
        defined[substr($0, 1, RLENGTH - 1)] = 1
        if (in_group) grouped[substr($0, 1, RLENGTH - 1)] = 1
    } else if ($1 == ".globl" || $1 == ".global") {
        exported[$2] = 1
    } else if ($1 == ".weak") {
        weak[$2] = 1
    } else if ($1 == ".type" && $3 == "@function") {
        function_name[substr($2, 1, length($2) - 1)] = 1
    } else if ($1 == ".comm" || $1 == ".lcomm" || $1 == ".set" || $1 == ".equ") {
        split($2, parts, ",")
        defined[parts[1]] = 1
        if ($1 == ".set") alias_of[parts[1]] = parts[2]
        if (in_group) grouped[parts[1]] = 1
    }
    next
}

FNR == 1 {
    for (name in alias_of)
        if (alias_of[name] in function_name) function_name[name] = 1
    for (name in defined) {
        if (name in exported || name ~ /^\./) continue
        # A weak function outside a group is meant to give way to another
        # file's definition: it stays as it is.
        if (name in weak && !(name in function_name && name in grouped)) continue
        local_name[name] = ".Lrt_" name
    }
}

# Code leaves its COMDAT group; the group's functions are local now.
$1 == ".section" && $2 ~ /,"axG",@progbits,/ {
    sub(/,"axG",@progbits,.*/, ",\"ax\",@progbits", $2)
    print "\t.section\t" $2
    next
}
$1 == ".weak" && ($2 in local_name) { next }

# Pass 2: rewrite every whole-word use of a local name; text data and file
# names are left as they are.
{
    if ($1 == ".string" || $1 == ".ascii" || $1 == ".asciz" || $1 == ".file" || $1 == ".ident") {
        print
        next
    }
    line = $0
    out = ""
    # A name starts with a letter or _: a `$` before one marks an immediate
    # operand ($name@tpoff, a thread-local's offset), not part of the name.
    while (match(line, /[A-Za-z_][A-Za-z0-9_.$]*/)) {
        start = RSTART
        len = RLENGTH
        word = substr(line, start, len)
        before = start > 1 ? substr(line, start - 1, 1) : ""
        if (before != "" && before != "$" && symbol_chars(before)) {
            # Part of a longer word (a number or a dotted name): copy it whole.
            out = out substr(line, 1, start - 1 + len)
        } else if (word in local_name) {
            out = out substr(line, 1, start - 1) local_name[word]
        } else {
            out = out substr(line, 1, start - 1 + len)
        }
        line = substr(line, start + len)
    }
    print out line
}
