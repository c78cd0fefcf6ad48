#include "frontend/syntax_tree_reader.h"

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "frontend/lone_surrogates.h"

namespace {

using json = nlohmann::json;

// A JSON object once read: the node it makes, and its plain members for the JSON of the node
// that holds it.
struct Built {
    ASTNode node;
    json plain;
};

// A member or array element once read. Arrays inside arrays keep no elements: the tree holds
// them as empty arrays.
struct Value {
    enum Kind { Plain, Object, Array } kind = Plain;
    json scalar;
    std::unique_ptr<Built> object;
    std::vector<Value> elements;
};

struct Frame {
    bool isObject;
    std::map<std::string, Value> members;  // a repeated key keeps its last value
    std::string key;
    std::vector<Value> elements;
};

std::unique_ptr<Built> buildObject(std::map<std::string, Value>& members) {
    auto built = std::make_unique<Built>();
    ASTNode& node = built->node;
    auto t = members.find("type");
    node.type = (t != members.end() && t->second.kind == Value::Plain && t->second.scalar.is_string())
                    ? t->second.scalar.get<std::string>()
                    : "<unknown>";

    // The children first, then the JSON, whose object members are the children's plain members.
    std::vector<const Value*> childValues;
    auto takeObject = [&](const char* name) {
        auto it = members.find(name);
        if (it != members.end() && it->second.kind == Value::Object) childValues.push_back(&it->second);
    };
    auto takeArray = [&](const char* name) {
        auto it = members.find(name);
        if (it == members.end() || it->second.kind != Value::Array) return;
        for (const Value& el : it->second.elements)
            if (el.kind == Value::Object) childValues.push_back(&el);
    };
    if (const std::vector<ChildField>* fields = namedChildFields(node.type)) {
        for (const ChildField& f : *fields) f.array ? takeArray(f.name) : takeObject(f.name);
    } else {
        for (const char* name : kGenericChildFields) {
            auto it = members.find(name);
            if (it == members.end()) continue;
            if (it->second.kind == Value::Array)
                takeArray(name);
            else if (it->second.kind == Value::Object)
                takeObject(name);
        }
    }
    node.children.reserve(childValues.size());
    for (const Value* v : childValues) node.children.push_back(std::move(v->object->node));

    json::object_t own, plain;
    for (auto& [key, value] : members) {
        switch (value.kind) {
        case Value::Plain:
            plain.emplace_hint(plain.end(), key, value.scalar);
            own.emplace_hint(own.end(), key, std::move(value.scalar));
            break;
        case Value::Object:
            own.emplace_hint(own.end(), key, std::move(value.object->plain));
            break;
        case Value::Array: {
            json::array_t items;
            items.reserve(value.elements.size());
            for (Value& el : value.elements) {
                if (el.kind == Value::Plain)
                    items.push_back(std::move(el.scalar));
                else if (el.kind == Value::Object)
                    items.push_back(std::move(el.object->plain));
                else
                    items.push_back(json::array());
            }
            own.emplace_hint(own.end(), key, std::move(items));
            break;
        }
        }
    }
    node.json = std::move(own);
    built->plain = std::move(plain);
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
        if (!tooDeep) stack.back().key = std::move(k);
        return true;
    }
    bool end_object() {
        if (close()) return true;
        Frame frame = std::move(stack.back());
        stack.pop_back();
        Value v;
        v.kind = Value::Object;
        v.object = buildObject(frame.members);
        return put(std::move(v));
    }
    bool start_array(std::size_t) { return open(false); }
    bool end_array() {
        if (close()) return true;
        Frame frame = std::move(stack.back());
        stack.pop_back();
        Value v;
        v.kind = Value::Array;
        if (stack.empty() || stack.back().isObject) v.elements = std::move(frame.elements);
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
        return std::move(root.object->node);
    }

private:
    // Past the depth limit nothing more is built; the text is still read to its end, so that a
    // syntax error anywhere in it is the error reported.
    bool open(bool isObject) {
        if (++depth > kMaxSyntaxTreeDepth && !tooDeep) {
            tooDeep = true;
            stack.clear();
        }
        if (!tooDeep) stack.push_back(Frame{isObject, {}, {}, {}});
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
        if (stack.empty()) {
            root = std::move(v);
        } else if (stack.back().isObject) {
            Frame& f = stack.back();
            f.members.insert_or_assign(std::move(f.key), std::move(v));
        } else {
            stack.back().elements.push_back(std::move(v));
        }
        return true;
    }

    bool restore;
    bool tooDeep = false;
    std::size_t depth = 0;
    std::vector<Frame> stack;
    Value root;
};

}  // namespace

ASTNode readSyntaxTree(const std::string& jsonText, bool restoreSurrogates) {
    TreeBuilder builder(restoreSurrogates);
    json::sax_parse(jsonText, &builder);
    return builder.result();
}
