#include "project/control_plane.h"

#include "project/byte_array.h"

std::string emitControlPlaneCpp(const std::vector<unsigned char>& bytes) {
    std::string out =
        "/* orvan generated: control plane (QuickJS + native I/O) */\n"
        "#define JSC_RUNTIME_QUICKJS 1\n"
        "#define JSC_RUNTIME_UV 1\n"
        "#define JSC_HAVE_UV 1\n"
        "#define JSC_RUNTIME_NODE_IO 1\n"
        "#define JSC_QJS_CONTROL_PLANE 1\n"
        "#include \"runtime/jsc_runtime.h\"\n"
        "#include <stddef.h>\n";
    appendByteArray(out, "jsc_control_bundle", bytes);
    out += "static const size_t jsc_control_bundle_len = " + std::to_string(bytes.size()) + ";\n";
    out +=
        "int main() {\n"
        "  jsc_control_plane_run_embedded(jsc_control_bundle, jsc_control_bundle_len);\n"
        "  jsc_uv_run_loop_forever();\n"
        "  return 0;\n"
        "}\n";
    return out;
}
