#include "frontend/syntax_tree_reader.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/lone_surrogates.h"

namespace {

using json = nlohmann::json;

// A member or array element once read: a plain value, an object (the node it makes and its plain
// members for the JSON of the node that holds it) or an array. Arrays inside arrays keep no
// elements: the tree holds them as empty arrays.
struct Value {
    enum Kind { Plain, Object, Array } kind = Plain;
    json scalar;
    ASTNode node;
    json plain;
    std::vector<Value> elements;
};

// An object or array being read. Objects have few members, so they are kept in a list searched
// from the front; a repeated key keeps its last value.
struct Frame {
    bool isObject = false;
    std::vector<std::pair<std::string, Value>> members;
    std::string key;
    std::vector<Value> elements;

    Value* member(std::string_view name) {
        for (auto& m : members)
            if (m.first == name) return &m.second;
        return nullptr;
    }
};

Value buildObject(Frame& frame) {
    Value built;
    built.kind = Value::Object;
    ASTNode& node = built.node;
    const Value* t = frame.member("type");
    node.type = (t && t->kind == Value::Plain && t->scalar.is_string()) ? t->scalar.get<std::string>()
                                                                          : "<unknown>";

    // The children first, then the JSON, whose object members are the children's plain members.
    std::vector<Value*> childValues;
    auto takeObject = [&](const char* name) {
        Value* v = frame.member(name);
        if (v && v->kind == Value::Object) childValues.push_back(v);
    };
    auto takeArray = [&](const char* name) {
        Value* v = frame.member(name);
        if (!v || v->kind != Value::Array) return;
        for (Value& el : v->elements)
            if (el.kind == Value::Object) childValues.push_back(&el);
    };
    if (const std::vector<ChildField>* fields = namedChildFields(node.type)) {
        for (const ChildField& f : *fields) f.array ? takeArray(f.name) : takeObject(f.name);
    } else {
        for (const char* name : kGenericChildFields) {
            const Value* v = frame.member(name);
            if (!v) continue;
            if (v->kind == Value::Array)
                takeArray(name);
            else if (v->kind == Value::Object)
                takeObject(name);
        }
    }
    node.children.reserve(childValues.size());
    for (Value* v : childValues) node.children.push_back(std::move(v->node));

    json::object_t own, plain;
    for (auto& [key, value] : frame.members) {
        switch (value.kind) {
        case Value::Plain:
            plain.emplace(key, value.scalar);
            own.emplace(std::move(key), std::move(value.scalar));
            break;
        case Value::Object:
            own.emplace(std::move(key), std::move(value.plain));
            break;
        case Value::Array: {
            json::array_t items;
            items.reserve(value.elements.size());
            for (Value& el : value.elements) {
                if (el.kind == Value::Plain)
                    items.push_back(std::move(el.scalar));
                else if (el.kind == Value::Object)
                    items.push_back(std::move(el.plain));
                else
                    items.push_back(json::array());
            }
            own.emplace(std::move(key), std::move(items));
            break;
        }
        }
    }
    node.json = std::move(own);
    built.plain = std::move(plain);
    return built;
}

class TreeBuilder {
public:
    explicit TreeBuilder(bool restoreSurrogates) : restore(restoreSurrogates) {}

    bool null() { return put(json(nullptr)); }
    bool boolean(bool v) { return put(json(v)); }
    bool number_integer(json::number_integer_t v) { return put(json(v)); }
    bool number_unsigned(json::number_unsigned_t v) { return put(json(v)); }
    bool number_float(json::number_float_t v, const json::string_t&) { return put(json(v)); }
    bool string(json::string_t& v) {
        if (restore && !tooDeep) restoreLoneSurrogates(v);
        return put(json(std::move(v)));
    }
    bool binary(json::binary_t& v) { return put(json::binary(std::move(v))); }

    bool start_object(std::size_t) { return open(true); }
    bool key(json::string_t& k) {
        if (!tooDeep) stack[openFrames - 1].key = std::move(k);
        return true;
    }
    bool end_object() {
        if (close()) return true;
        Frame& frame = stack[--openFrames];
        Value v = buildObject(frame);
        frame.members.clear();
        return put(std::move(v));
    }
    bool start_array(std::size_t) { return open(false); }
    bool end_array() {
        if (close()) return true;
        Frame& frame = stack[--openFrames];
        Value v;
        v.kind = Value::Array;
        if (openFrames == 0 || stack[openFrames - 1].isObject) v.elements = std::move(frame.elements);
        frame.elements.clear();
        return put(std::move(v));
    }

    template <class Exception>
    bool parse_error(std::size_t, const std::string&, const Exception& ex) {
        throw ex;
    }

    ASTNode result() {
        if (tooDeep)
            throw SyntaxTreeTooDeep("syntax tree nested deeper than " + std::to_string(kMaxSyntaxTreeDepth) +
                                    " levels");
        if (root.kind != Value::Object) {
            const char* name = root.kind == Value::Array ? "array" : root.scalar.type_name();
            throw std::runtime_error(std::string("Parser::parseNode: expected JSON object, got ") + name);
        }
        return std::move(root.node);
    }

private:
    // Past the depth limit nothing more is built; the text is still read to its end, so that a
    // syntax error anywhere in it is the error reported.
    bool open(bool isObject) {
        if (++depth > kMaxSyntaxTreeDepth && !tooDeep) {
            tooDeep = true;
            stack.clear();
            openFrames = 0;
        }
        if (tooDeep) return true;
        // Frames closed earlier are used again, with the room their lists already have.
        if (openFrames == stack.size()) stack.emplace_back();
        stack[openFrames++].isObject = isObject;
        return true;
    }
    // True when the closing value is not built.
    bool close() {
        --depth;
        return tooDeep;
    }
    bool put(json scalar) {
        if (tooDeep) return true;
        Value v;
        v.scalar = std::move(scalar);
        return put(std::move(v));
    }
    bool put(Value v) {
        if (openFrames == 0) {
            root = std::move(v);
        } else if (stack[openFrames - 1].isObject) {
            Frame& f = stack[openFrames - 1];
            if (Value* same = f.member(f.key))
                *same = std::move(v);
            else
                f.members.emplace_back(std::move(f.key), std::move(v));
        } else {
            stack[openFrames - 1].elements.push_back(std::move(v));
        }
        return true;
    }

    bool restore;
    bool tooDeep = false;
    std::size_t depth = 0;
    std::vector<Frame> stack;  // frames below openFrames are open, the rest wait to be used again
    std::size_t openFrames = 0;
    Value root;
};

}  // namespace

ASTNode readSyntaxTree(const std::string& jsonText, bool restoreSurrogates) {
    TreeBuilder builder(restoreSurrogates);
    json::sax_parse(jsonText, &builder);
    return builder.result();
}
