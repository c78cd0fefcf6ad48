// Renaming JavaScript names that C++ reserves or the runtime already uses.
#include "codegen/cxx_names.h"

#include <cctype>
#include <string_view>
#include <unordered_set>
#include <type_traits>
#include <utility>

using namespace std::string_view_literals;

namespace {

// Looked up for every name of the program, hence hashed; the literals outlive the table.
const std::unordered_set<std::string_view>& reservedNames() {
    static const std::unordered_set<std::string_view> names = {
        // C++ keywords and alternative tokens (JavaScript's own keywords never reach here, but listing
        // the whole set keeps the rule simple).
        "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case",
        "catch", "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval",
        "constexpr", "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype",
        "default", "delete", "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern",
        "false", "float", "for", "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace",
        "new", "noexcept", "not", "not_eq", "nullptr", "operator", "or", "or_eq", "private", "protected",
        "public", "register", "reinterpret_cast", "requires", "return", "short", "signed", "sizeof",
        "static", "static_assert", "static_cast", "struct", "switch", "template", "this", "thread_local",
        "throw", "true", "try", "typedef", "typeid", "typename", "union", "unsigned", "using", "virtual",
        "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
        // Names of the generated program itself: main's parameters, the hybrid dispatcher's, and the
        // initialiser and exports object every dependency module gets (`<id>_init`, `<id>_exports`).
        "main", "argc", "argv", "std", "name", "json", "init", "exports",
        // Macros of the C library headers.
        "NULL", "EOF", "errno", "stdin", "stdout", "stderr", "assert", "offsetof", "EXIT_SUCCESS",
        "EXIT_FAILURE", "RAND_MAX", "MB_CUR_MAX", "BUFSIZ", "FILENAME_MAX", "SEEK_SET", "SEEK_CUR", "SEEK_END",
        "INFINITY", "NAN", "HUGE_VAL", "M_PI", "M_E", "CHAR_BIT", "INT_MAX", "INT_MIN", "unix", "linux",
        "ENOENT", "EEXIST", "EACCES", "EINVAL", "EPERM", "EISDIR", "ENOTDIR", "EAGAIN", "ENOMEM", "EBADF",
        "EPIPE", "EINTR", "EIO", "ERANGE", "EDOM", "isnan", "isinf", "isfinite", "signbit", "setjmp",
        "va_start", "va_end", "va_arg",
        // Functions and types the C library headers declare at global scope.
        "abort", "abs", "atexit", "atof", "atoi", "atol", "atoll", "bsearch", "calloc", "div", "exit",
        "free", "getenv", "labs", "ldiv", "llabs", "lldiv", "malloc", "mblen", "mbstowcs", "mbtowc",
        "qsort", "rand", "random", "realloc", "srand", "srandom", "strtod", "strtof", "strtol", "strtold",
        "strtoll", "strtoul", "strtoull", "system", "wcstombs", "wctomb", "setenv", "unsetenv", "putenv",
        "mkstemp", "mktemp", "realpath", "drand48", "lrand48", "mrand48", "erand48", "seed48", "initstate",
        "setstate", "clearenv", "aligned_alloc", "posix_memalign", "quick_exit", "at_quick_exit", "_Exit",
        "memchr", "memcmp", "memcpy", "memmove", "memset", "strcat", "strchr", "strcmp", "strcoll", "strcpy",
        "strcspn", "strerror", "strlen", "strncat", "strncmp", "strncpy", "strpbrk", "strrchr", "strspn",
        "strstr", "strtok", "strxfrm", "strdup", "strndup", "strsep", "strsignal", "stpcpy", "basename",
        "index", "rindex", "bcmp", "bcopy", "bzero", "ffs", "strcasecmp", "strncasecmp", "memmem",
        "printf", "fprintf", "sprintf", "snprintf", "scanf", "fscanf", "sscanf", "puts", "fputs", "gets",
        "fgets", "putchar", "getchar", "putc", "getc", "fputc", "fgetc", "ungetc", "fopen", "fclose",
        "fread", "fwrite", "fflush", "fseek", "ftell", "rewind", "feof", "ferror", "clearerr", "perror",
        "remove", "rename", "tmpfile", "tmpnam", "setbuf", "setvbuf", "getline", "getdelim", "popen",
        "pclose", "fileno", "fdopen", "dprintf", "vprintf", "vfprintf", "vsprintf", "vsnprintf", "FILE",
        "fpos_t", "size_t", "ptrdiff_t", "wint_t", "mbstate_t", "div_t", "ldiv_t", "wcslen", "wcscpy",
        "wcscmp", "wmemcpy", "wmemset", "btowc", "wctob", "fwide", "wprintf", "swprintf", "time", "clock",
        "difftime", "mktime", "strftime", "gmtime", "localtime", "asctime", "ctime", "timezone", "daylight",
        "tzname", "tzset", "signal", "raise", "kill", "alarm", "sleep", "pause", "fork", "pipe", "read",
        "write", "open", "close", "link", "unlink", "access", "chdir", "dup", "dup2", "getpid", "select",
        "poll", "wait", "log", "log2", "log10", "log1p", "exp", "exp2", "expm1", "pow", "sqrt", "cbrt",
        "sin", "cos", "tan", "asin", "acos", "atan", "atan2", "sinh", "cosh", "tanh", "asinh", "acosh",
        "atanh", "floor", "ceil", "round", "trunc", "fabs", "fmod", "hypot", "frexp", "ldexp", "modf",
        "remainder", "lround", "llround", "rint", "lrint", "nearbyint", "fmin", "fmax", "fdim", "fma",
        "erf", "erfc", "tgamma", "lgamma", "gamma", "j0", "j1", "jn", "y0", "y1", "yn", "nan", "logb",
        "ilogb", "scalbn", "copysign", "nextafter", "drem", "significand", "finite", "isalpha", "isdigit",
        "isalnum", "isspace", "isupper", "islower", "ispunct", "isprint", "iscntrl", "isxdigit", "isgraph",
        "isblank", "toupper", "tolower", "isascii", "toascii",
    };
    return names;
}

// The name without its trailing underscores.
std::string_view stem(std::string_view name) {
    size_t end = name.size();
    while (end > 0 && name[end - 1] == '_') --end;
    return name.substr(0, end);
}

// The runtime's own identifiers share the generated file's global scope.
bool runtimeSpelling(std::string_view base) {
    static const char* const prefixes[] = {"js_", "jsc_", "jsrt_", "JS_", "__jsc", "__orvan"};
    for (const char* prefix : prefixes)
        if (base.compare(0, std::char_traits<char>::length(prefix), prefix) == 0) return true;
    // the runtime's types: JsValue, JsOwned, JsCell, ...
    return base.size() > 2 && base.compare(0, 2, "Js") == 0 && std::isupper(static_cast<unsigned char>(base[2]));
}

bool mangled(std::string_view name) {
    const std::string_view base = stem(name);
    return !base.empty() && (reservedNames().count(base) > 0 || runtimeSpelling(base));
}

// The string member `key` of a JSON object, or null when it is missing or not a string.
const std::string* stringMember(const nlohmann::json& node, const char* key) {
    auto it = node.find(key);
    return it != node.end() && it->is_string() ? &it->get_ref<const std::string&>() : nullptr;
}

bool computedMember(const nlohmann::json& node) {
    auto it = node.find("computed");
    return it != node.end() && it->is_boolean() && it->get<bool>();
}

// Which members of an object of this type a walk passes into: not the name after a dot, a plain
// property or method key, a label, nor anything of a MetaProperty.
class MemberFilter {
public:
    MemberFilter(std::string_view type, bool computed)
        : none_(type == "MetaProperty"),
          skipProperty_(!computed && type == "MemberExpression"),
          skipKey_(!computed && (type == "Property" || type == "MethodDefinition" || type == "PropertyDefinition")) {}

    bool enters(std::string_view field) const {
        if (none_ || field == "label") return false;
        if (skipProperty_ && field == "property") return false;
        return !(skipKey_ && field == "key");
    }

    // True when no member of `node` is kept out, so its children need not be traced to their members.
    bool entersAll(const nlohmann::json& node) const {
        return !none_ && !skipProperty_ && !skipKey_ && node.find("label") == node.end();
    }

private:
    bool none_, skipProperty_, skipKey_;
};

// Counts, and with a mutable tree rewrites, the name of an Identifier object.
template <class Json>
void visitIdentifier(Json& node, int& renamed) {
    auto it = node.find("name");
    if (it != node.end() && it->is_string() && mangled(it->template get_ref<const std::string&>())) {
        if constexpr (!std::is_const<Json>::value) *it = cxxName(it->template get_ref<const std::string&>());
        ++renamed;
    }
}

template <class Json>
void visitNames(Json& node, int& renamed);

// The members of an object that is no Identifier, through the filter of its type.
template <class Json>
void visitMembers(Json& node, const MemberFilter& filter, int& renamed) {
    for (auto it = node.begin(); it != node.end(); ++it)
        if (it->is_structured() && filter.enters(it.key())) visitNames(*it, renamed);
}

// Visits the names of Identifier nodes in binding and reference positions (keys of properties, methods
// and non-computed members, and labels, are left out) and counts in `renamed` those cxxName changes.
// With a mutable tree the names are also rewritten.
template <class Json>
void visitNames(Json& node, int& renamed) {
    if (node.is_array()) {
        for (auto& el : node) visitNames(el, renamed);
        return;
    }
    if (!node.is_object()) return;
    const std::string* typeMember = stringMember(node, "type");
    const std::string_view type = typeMember ? std::string_view(*typeMember) : std::string_view();
    if (type == "Identifier") return visitIdentifier(node, renamed);
    visitMembers(node, MemberFilter(type, computedMember(node)), renamed);
}

// True when the structured member `key` of a node of a type with these child rules (null: the generic
// ones) became children of the node, by the tree reader's rules (frontend/ast.h).
bool heldAsChildren(const std::vector<ChildField>* named, std::string_view key, const nlohmann::json& value) {
    if (named) {
        for (const ChildField& field : *named)
            if (key == field.name) return field.array ? value.is_array() : value.is_object();
        return false;
    }
    for (const char* name : kGenericChildFields)
        if (key == name) return true;
    return false;
}

// The members of a node's JSON for a count. A member that became children is read again from the
// children's own JSON, which holds the same plain members, and a count needs each name once, so only
// the members that stayed in this JSON alone are walked.
void visitLooseMembers(const ASTNode& node, const MemberFilter& filter, int& renamed) {
    const std::vector<ChildField>* named = namedChildFields(node.type);
    for (auto it = node.json.begin(); it != node.json.end(); ++it)
        if (it->is_structured() && filter.enters(it.key()) && !heldAsChildren(named, it.key(), *it))
            visitNames(*it, renamed);
}

// The walk over a whole tree. Each node's JSON holds its own members and the plain members of the
// nodes it holds, so walking every node's JSON that the walk reaches renames each name that a
// walk of the tree's whole JSON would, wherever a node keeps it. The node's type is read once for
// its own JSON and its children alike (a node whose JSON has no string type never matches a type
// the walk looks for, whatever the reader called it).
template <class Node>
void visitTreeNames(Node& node, int& renamed) {
    if (node.type == "Identifier"sv) return visitIdentifier(node.json, renamed);
    const MemberFilter filter(node.type, computedMember(node.json));
    if constexpr (std::is_const<Node>::value)
        visitLooseMembers(node, filter, renamed);
    else
        visitMembers(node.json, filter, renamed);
    if (node.children.empty()) return;
    if (filter.entersAll(node.json)) {
        for (auto& child : node.children) visitTreeNames(child, renamed);
        return;
    }
    const std::vector<const char*> fields = childFieldNames(node);
    for (std::size_t i = 0; i < node.children.size() && i < fields.size(); ++i)
        if (filter.enters(fields[i])) visitTreeNames(node.children[i], renamed);
}

// A symbol "<id>_<name>" of the module with its name part mapped.
std::string renamedSymbol(const Module& m, const std::string& symbol) {
    const std::string prefix = m.id + "_";
    if (symbol.compare(0, prefix.size(), prefix) != 0) return symbol;
    return prefix + cxxName(symbol.substr(prefix.size()));
}

}  // namespace

std::string cxxName(const std::string& jsName) { return mangled(jsName) ? jsName + "_" : jsName; }

std::string jsNameOf(const std::string& name) {
    if (name.size() > 1 && name.back() == '_' && mangled(name.substr(0, name.size() - 1)))
        return name.substr(0, name.size() - 1);
    return name;
}

bool needsCxxNames(const std::vector<Module>& modules) {
    int renamed = 0;
    for (const Module& m : modules) visitTreeNames(m.ast, renamed);
    return renamed > 0;
}

std::vector<Module> withCxxNames(const std::vector<Module>& modules) {
    std::vector<Module> out;
    out.reserve(modules.size());
    for (const Module& m : modules) {
        Module named = m;
        int renamed = 0;
        visitTreeNames(named.ast, renamed);
        named.exports.clear();
        for (const auto& [key, symbol] : m.exports) named.exports[key] = renamedSymbol(m, symbol);
        named.nativeFunctions.clear();
        for (const std::string& symbol : m.nativeFunctions) named.nativeFunctions.insert(renamedSymbol(m, symbol));
        out.push_back(std::move(named));
    }
    return out;
}
