// The JSON is parsed with exceptions off and every value's type is checked before it is read,
// so nothing in the file can throw; the folders are walked with a stack of our own.
#include "core/profile_bookmarks.h"

#include <nlohmann/json.hpp>

#include "core/entry_line.h"

using Json = nlohmann::json;

static const Json* Member(const Json& object, const char* key)
{
    if (!object.is_object()) return nullptr;
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

static std::string_view TextOf(const Json& object, const char* key, std::string_view otherwise = {})
{
    const Json* value = Member(object, key);
    return value && value->is_string() ? std::string_view(value->get_ref<const std::string&>()) : otherwise;
}

// A folder's children; null when it has none that can be read.
static const Json* ChildrenOf(const Json& folder)
{
    const Json* children = Member(folder, "children");
    return children && children->is_array() ? children : nullptr;
}

ImportResult ReadProfileBookmarks(std::string_view json, std::string_view bookTitle, const TextCodec& codec,
                                  size_t maxLines)
{
    ImportBuild build{codec, maxLines, {}, {}};
    Json doc = Json::parse(json.begin(), json.end(), nullptr, false);
    const Json* roots = doc.is_discarded() ? nullptr : Member(doc, "roots");
    if (!roots || !roots->is_object()) {
        build.result.status = ImportStatus::NotReadable;
        return std::move(build.result);
    }
    if (maxLines == 0) {
        build.result.status = ImportStatus::TooManyLines;
        return std::move(build.result);
    }
    build.result.lines.push_back(MakeFolderLine(kTopDepthChar, bookTitle));
    StartImport(build, DeeperDepthChar(kTopDepthChar));
    struct Walk {
        const Json* children;
        size_t next;
    };
    std::vector<Walk> walk;
    for (const char* key : {"bookmark_bar", "other", "synced"}) {
        const Json* root = Member(*roots, key);
        if (!root || !root->is_object()) continue;
        AddImportFolder(build, TextOf(*root, "name", key));
        walk.push_back({ChildrenOf(*root), 0});
        while (!walk.empty() && build.result.status == ImportStatus::Done) {
            Walk& at = walk.back();
            if (!at.children || at.next == at.children->size()) {
                EndImportFolder(build);
                walk.pop_back();
                continue;
            }
            const Json& node = (*at.children)[at.next++];
            std::string_view type = TextOf(node, "type");
            if (type == "url") {
                AddImportLink(build, TextOf(node, "name"), TextOf(node, "url"));
            } else if (type == "folder") {
                AddImportFolder(build, TextOf(node, "name"));
                walk.push_back({ChildrenOf(node), 0});
            }
        }
    }
    return std::move(build.result);
}
