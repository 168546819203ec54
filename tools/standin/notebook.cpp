#include "notebook.h"

#include "codec.h"
#include "json.h"
#include "pagewrap.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace standin {

namespace {

constexpr const char *kCreated = "2024-01-15T09:00:00.000Z";
constexpr const char *kCreatedMeta = "2024-01-15T09:00:00.0000000";

// Shown when no --page file is given, so the demo has a board out of the box.
constexpr const char *kDemoBoard = "<h1>Greetings</h1>\n"
                                   "<p>Hello</p>\n"
                                   "<p>Hello, nice to meet you.</p>\n"
                                   "<br />\n"
                                   "<br />\n"
                                   "<p>Thanks</p>\n"
                                   "<p>Thank you&nbsp;very much!</p>\n"
                                   "<h1>Addresses</h1>\n"
                                   "<p>Office</p>\n"
                                   "<p>1 Example Street</p>\n"
                                   "<br />\n"
                                   "<p>12345 Sample Town</p>\n";

// Stable GUID-shaped text, so ids and generated element ids stay the same
// between runs and an unchanged page downloads as identical text.
std::string guidFor(unsigned kind, unsigned number)
{
    char text[64];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-8%03x-%012x", 0x7a3c0000u + kind,
                  (number * 2654435761u) & 0xFFFFu, kind & 0xFFFu, number & 0xFFFu, number);
    return text;
}

std::string withoutDashes(std::string text)
{
    std::erase(text, '-');
    return text;
}

std::string formatUtc(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const auto millis = duration_cast<milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(millis / 1000);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<int>(millis % 1000));
    return text;
}

std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

Notebook::Notebook(const Options &options)
    : m_PageFile(options.pageFile), m_StartTime(formatUtc(std::chrono::system_clock::now()))
{
    const unsigned sectionCount = static_cast<unsigned>(options.emptySections) + 1;
    for (unsigned s = 1; s <= sectionCount; ++s) {
        NotebookSection section;
        section.guid = guidFor(0x5ec, s);
        section.id = "1-" + withoutDashes(section.guid) + "!" + std::to_string(s);
        section.name = options.sectionName;
        m_Sections.push_back(section);
    }
    NotebookSection &board = m_Sections.back();
    auto addPage = [&board](const std::string &title, unsigned number) {
        NotebookPage page;
        page.guid = guidFor(0xa9e, number + 1);
        page.id = "1-" + withoutDashes(page.guid) + "!" + std::to_string(number + 1) + "-" +
                  withoutDashes(board.guid).substr(0, 16);
        page.title = title;
        page.number = static_cast<int>(number);
        board.pages.push_back(page);
    };
    for (unsigned n = 1; n <= static_cast<unsigned>(options.fillerPages); ++n)
        addPage("Filler page " + std::to_string(n), n);
    if (!options.noPage)
        addPage(options.pageTitle, 0);
}

const NotebookSection *Notebook::section(const std::string &id) const
{
    for (const auto &section : m_Sections) {
        if (section.id == id)
            return &section;
    }
    return nullptr;
}

const NotebookPage *Notebook::page(const std::string &id) const
{
    for (const auto &section : m_Sections) {
        for (const auto &page : section.pages) {
            if (page.id == id)
                return &page;
        }
    }
    return nullptr;
}

const NotebookSection &Notebook::owner(const NotebookPage &page) const
{
    for (const auto &section : m_Sections) {
        if (!section.pages.empty() && &page >= &section.pages.front() &&
            &page <= &section.pages.back())
            return section;
    }
    return m_Sections.back();
}

std::string Notebook::lastModified(const NotebookPage &page) const
{
    if (page.createdBody) {
        std::lock_guard lock(m_EditMutex);
        return page.editedTime.empty() ? m_StartTime : page.editedTime;
    }
    if (page.number != 0)
        return kCreated;
    if (m_PageFile.empty()) {
        std::lock_guard lock(m_EditMutex);
        return m_EditedBoard ? m_EditedTime : m_StartTime;
    }
    std::error_code error;
    const auto written = std::filesystem::last_write_time(m_PageFile, error);
    if (error)
        return m_StartTime;
    return formatUtc(std::chrono::file_clock::to_sys(written));
}

std::string Notebook::sectionJson(const NotebookSection &section, const std::string &base) const
{
    const std::string self = base + "/onenote/sections/" + section.id;
    return JsonObject()
        .add("id", section.id)
        .add("self", self)
        .add("createdDateTime", kCreated)
        .addBool("isDefault", false)
        .add("displayName", section.name)
        .add("lastModifiedDateTime", kCreated)
        .add("pagesUrl", self + "/pages")
        .str();
}

std::string Notebook::pageJson(const NotebookPage &page, const std::string &base) const
{
    const NotebookSection &section = owner(page);
    const std::string self = base + "/onenote/pages/" + page.id;
    const std::string place = "https://notebooks.example.com/Documents/Notebook/" +
                              percentEncode(section.name) + ".one#" + percentEncode(page.title) +
                              "&section-id={" + section.guid + "}&page-id={" + page.guid + "}&end";
    const std::string links =
        JsonObject()
            .addRaw("oneNoteClientUrl", JsonObject().add("href", "onenote:" + place).str())
            .addRaw("oneNoteWebUrl", JsonObject().add("href", place).str())
            .str();
    return JsonObject()
        .add("id", page.id)
        .add("self", self)
        .add("createdDateTime", kCreated)
        .add("title", page.title)
        .add("createdByAppId", "")
        .add("contentUrl", self + "/content")
        .add("lastModifiedDateTime", lastModified(page))
        .addRaw("links", links)
        .str();
}

std::optional<std::string> Notebook::content(const NotebookPage &page, bool includeIds) const
{
    std::string body;
    if (page.createdBody) {
        std::lock_guard lock(m_EditMutex);
        body = *page.createdBody;
    } else if (page.number != 0) {
        body = "<p>Filler page " + std::to_string(page.number) + "</p>";
    } else if (m_PageFile.empty()) {
        std::lock_guard lock(m_EditMutex);
        body = m_EditedBoard ? *m_EditedBoard : kDemoBoard;
    } else {
        auto text = readFile(m_PageFile);
        if (!text)
            return std::nullopt;
        if (isWholeDocument(*text))
            return text;
        body = std::move(*text);
    }
    return wrapFragment(body, PageFrame{page.title, kCreatedMeta, page.guid}, includeIds);
}

namespace {

// The text between the first <tag ...> and the next </tag>, in any letter case;
// nothing when either is missing.
std::optional<std::string> elementText(const std::string &html, const std::string &tag)
{
    const std::string lower = asciiLower(html);
    const size_t open = lower.find("<" + tag);
    if (open == std::string::npos)
        return std::nullopt;
    const size_t start = lower.find('>', open);
    const size_t end = lower.find("</" + tag, start == std::string::npos ? open : start);
    if (start == std::string::npos || end == std::string::npos)
        return std::nullopt;
    return html.substr(start + 1, end - start - 1);
}

std::string decodeBasicEntities(std::string text)
{
    const std::pair<const char *, const char *> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto &[entity, character] : entities) {
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), character);
    }
    return text;
}

} // namespace

const NotebookPage &Notebook::createPage(const std::string &sectionName,
                                         const std::string &inputHtml)
{
    ++m_Created;
    NotebookSection *target = nullptr;
    for (auto &section : m_Sections) {
        if (asciiLower(section.name) == asciiLower(sectionName)) {
            target = &section;
            break;
        }
    }
    if (!target) {
        NotebookSection section;
        section.guid = guidFor(0x5ed, m_Created);
        section.id = "1-" + withoutDashes(section.guid) + "!c" + std::to_string(m_Created);
        section.name = sectionName;
        m_Sections.push_back(section);
        target = &m_Sections.back();
    }
    NotebookPage page;
    page.guid = guidFor(0xc9e, m_Created);
    page.id = "1-" + withoutDashes(page.guid) + "!c" + std::to_string(m_Created) + "-" +
              withoutDashes(target->guid).substr(0, 16);
    page.title = decodeBasicEntities(elementText(inputHtml, "title").value_or(""));
    page.number = -static_cast<int>(m_Created);
    page.createdBody = elementText(inputHtml, "body").value_or(inputHtml);
    target->pages.push_back(page);
    return target->pages.back();
}

PatchResult Notebook::applyChange(const NotebookPage &page,
                                  const std::vector<PatchCommand> &commands) const
{
    if (page.number != 0 && !page.createdBody)
        return {400, "Only the board page can be changed here.", {}};
    std::lock_guard lock(m_EditMutex);
    std::string body;
    bool wholeDocument = false;
    if (page.createdBody) {
        body = *page.createdBody;
    } else if (m_PageFile.empty()) {
        body = m_EditedBoard ? *m_EditedBoard : kDemoBoard;
    } else {
        auto text = readFile(m_PageFile);
        if (!text)
            return {400, "The page cannot be changed.", {}};
        wholeDocument = isWholeDocument(*text);
        body = std::move(*text);
    }
    // The ids as the page was served with them: a whole document's as they stand,
    // a fragment's as its frame adds them, then written out with it.
    PatchResult result = wholeDocument
                             ? applyPatch(body, {}, page.guid, commands)
                             : applyPatch(addElementIds(body, page.guid, 2),
                                          "div:{" + page.guid + "}{1}", page.guid, commands);
    if (result.status != 204)
        return result;
    if (page.createdBody) {
        page.createdBody = result.body;
        page.editedTime = formatUtc(std::chrono::system_clock::now());
        return result;
    }
    if (m_PageFile.empty()) {
        m_EditedBoard = result.body;
        m_EditedTime = formatUtc(std::chrono::system_clock::now());
        return result;
    }
    const std::string temporary = m_PageFile + ".patch";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << result.body;
        if (!out.flush())
            return {500, "The page could not be written.", {}};
    }
    std::error_code error;
    std::filesystem::rename(temporary, m_PageFile, error);
    if (error)
        return {500, "The page could not be written.", {}};
    return result;
}

} // namespace standin
