#include "editor/session_file.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "core/text_convert.h"
#include "core/xml_document.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/frame_link.h"

namespace {

constexpr char kRootName[] = "ovrik";
constexpr char kFileName[] = "file";
constexpr int kBookmarkMask = 1 << kBookmarkMarker;

// Frees the document's arena however the function is left.
struct XmlDocGuard {
    XmlDocument doc;
    XmlDocGuard() { XmlDocInit(&doc); }
    ~XmlDocGuard() { XmlDocFree(&doc); }
    XmlDocGuard(const XmlDocGuard&) = delete;
    XmlDocGuard& operator=(const XmlDocGuard&) = delete;
};

int32_t ToInt32(sptr_t value)
{
    return value > INT_MAX ? INT_MAX : value < 0 ? 0 : static_cast<int32_t>(value);
}

// The document's view as the session keeps it. The top line is kept as a document
// line: folds are not saved, so a reopened document shows every line, and a count
// of visible lines would put another line at the top.
void CaptureViewState(EditDoc& doc, DocViewState& state)
{
    const sptr_t firstVisible = EditorCall(doc, SCI_GETFIRSTVISIBLELINE);
    state.line = ToInt32(EditorCall(doc, SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(firstVisible)));
    state.startpos = ToInt32(EditorCall(doc, SCI_GETSELECTIONSTART));
    state.endpos = ToInt32(EditorCall(doc, SCI_GETSELECTIONEND));
    state.xoffset = ToInt32(EditorCall(doc, SCI_GETXOFFSET));
    state.bookmarks.clear();
    for (sptr_t line = EditorCall(doc, SCI_MARKERNEXT, 0, kBookmarkMask); line >= 0;
         line = EditorCall(doc, SCI_MARKERNEXT, static_cast<uptr_t>(line + 1), kBookmarkMask)) {
        state.bookmarks.push_back(ToInt32(line));
        if (line >= INT_MAX)
            break;
    }
}

std::string JoinLines(const std::vector<int32_t>& lines)
{
    std::string text;
    for (const int32_t line : lines) {
        if (!text.empty())
            text.push_back(',');
        text += std::to_string(line);
    }
    return text;
}

// The bookmarked lines of a `mark` value: each number once, in the order given;
// pieces that are not numbers are left out.
std::vector<int32_t> ParseLines(const char* text)
{
    std::vector<int32_t> lines;
    if (!text)
        return lines;
    const char* p = text;
    while (*p) {
        while (*p == ' ')
            ++p;
        if (*p >= '0' && *p <= '9') {
            char* end = nullptr;
            const long long value = std::strtoll(p, &end, 10);
            p = end;
            if (value <= INT_MAX) {
                const int32_t line = static_cast<int32_t>(value);
                if (std::find(lines.begin(), lines.end(), line) == lines.end())
                    lines.push_back(line);
            }
        }
        while (*p && *p != ',')
            ++p;
        if (*p == ',')
            ++p;
    }
    return lines;
}

int AttributeInt(const XmlNode* node, const char* name)
{
    int value = 0;
    XmlGetAttrInt(node, name, &value);
    return value;
}

bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// One `file` element for the tab; false when the document's memory ran out.
bool AppendFileElement(XmlDocument& xml, XmlNode* root, EditDoc& doc, bool selected)
{
    XmlNode* node = XmlNewElement(&xml, kFileName);
    if (!node)
        return false;
    bool ok = true;
    if (doc.projectMarker == 2)
        ok = ok && XmlSetAttrInt(node, "active", 1);
    if (doc.path[0]) {
        DocViewState state;
        CaptureViewState(doc, state);
        ok = ok && XmlSetAttrInt(node, "line", state.line) && XmlSetAttrInt(node, "startpos", state.startpos) &&
             XmlSetAttrInt(node, "endpos", state.endpos) && XmlSetAttrInt(node, "xoffset", state.xoffset);
        if (ok && !state.bookmarks.empty())
            ok = XmlSetAttr(node, "mark", JoinLines(state.bookmarks).c_str()) != nullptr;
        // The whole path, however many bytes its characters take in UTF-8.
        const std::string path = WideToUtf8(doc.path);
        ok = ok && !path.empty() && XmlSetText(node, path.c_str(), false);
        DocViewState::Free(state);
    }
    if (selected)
        ok = ok && XmlSetAttrInt(node, "cursel", 1);
    if (ok)
        XmlAppendChild(root, node);
    return ok;
}

} // namespace

void DocViewState::Free(DocViewState& state)
{
    std::vector<int32_t>().swap(state.bookmarks);
}

bool SaveSession(DocTabs* docTabs, const wchar_t* path)
{
    if (!docTabs || !path || !path[0])
        return false;
    XmlDocGuard guard;
    XmlDocument& xml = guard.doc;
    XmlSetBom(&xml, true);
    XmlSetDeclaration(&xml, "1.0", "UTF-8", nullptr);
    XmlNode* root = XmlNewElement(&xml, kRootName);
    if (!root)
        return false;
    XmlAppendChild(&xml.root, root);

    const int count = DocTabs::TabCount(*docTabs);
    const int selected =
        docTabs->tabControl ? static_cast<int>(SendMessageW(docTabs->tabControl, TCM_GETCURSEL, 0, 0)) : -1;
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocTabs::DocAt(*docTabs, i);
        if (doc && !AppendFileElement(xml, root, *doc, i == selected))
            return false;
    }
    return XmlSaveFile(&xml, path);
}

int LoadSession(DocTabs* docTabs, const wchar_t* path, bool* isSession)
{
    if (isSession)
        *isSession = false;
    if (!docTabs || !path || !path[0])
        return 0;
    XmlDocGuard guard;
    XmlDocument& xml = guard.doc;
    if (!XmlLoadFile(&xml, path))
        return 0;
    XmlNode* root = XmlFindPath(&xml, kRootName);
    if (!root)
        return 0;
    if (isSession)
        *isSession = true;

    int taken = 0;
    EditDoc* selected = nullptr;
    EditDoc* activeProject = nullptr;
    for (XmlNode* node = XmlFirstChild(root, kFileName); node; node = XmlNextSibling(node, kFileName)) {
        const bool cursel = XmlGetAttr(node, "cursel") != nullptr;
        const bool active = XmlGetAttr(node, "active") != nullptr;
        const char* text = XmlGetText(node);
        EditDoc* doc = nullptr;
        if (!text || !text[0]) {
            doc = FrameNewDocument();
            ++taken;
        } else {
            const std::wstring file = Utf8ToWide(text);
            // A path a document cannot hold, or a file that is gone, is left out.
            if (file.empty() || file.size() >= MAX_PATH || !IsExistingFile(file))
                continue;
            doc = DocTabs::Open(*docTabs, file.c_str());
            FrameUpdateStatusBar(kStatusAll);
            if (doc) {
                DocViewState state;
                state.line = AttributeInt(node, "line");
                state.startpos = AttributeInt(node, "startpos");
                state.endpos = AttributeInt(node, "endpos");
                state.xoffset = AttributeInt(node, "xoffset");
                state.bookmarks = ParseLines(XmlGetAttr(node, "mark"));
                EditDoc::RestoreState(*doc, state);
                DocViewState::Free(state);
            }
            ++taken;
        }
        if (cursel && doc)
            selected = doc;
        if (active && doc)
            activeProject = doc;
    }
    if (selected)
        DocTabs::ActivateDoc(*docTabs, selected);
    if (activeProject)
        DocTabs::SetActiveProject(*docTabs, activeProject);
    return taken;
}
