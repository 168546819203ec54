#pragma once

// The user's notebook as the stand-in shows it: sections named like the board
// section (some possibly empty), filler pages, and the board page whose
// content comes from a file on disk, re-read at every request so that editing
// the file is the "edit in the notebook" step.

#include "options.h"
#include "page_patch.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct NotebookPage
{
    std::string id;
    std::string title;
    std::string guid;
    int number = 0; // 1.. for filler pages, 0 for the board page
    // A page made through the create-page request: its body as posted (then as
    // page updates changed it, and when), served from memory instead of the board
    // page file.
    mutable std::optional<std::string> createdBody;
    mutable std::string editedTime;
};

struct NotebookSection
{
    std::string id;
    std::string name;
    std::string guid;
    std::vector<NotebookPage> pages;
};

class Notebook
{
public:
    explicit Notebook(const Options &options);

    const std::vector<NotebookSection> &sections() const { return m_Sections; }
    const NotebookSection *section(const std::string &id) const;
    const NotebookPage *page(const std::string &id) const;

    // Graph entries; base is the user root of the request ("http://.../v1.0/me").
    std::string sectionJson(const NotebookSection &section, const std::string &base) const;
    std::string pageJson(const NotebookPage &page, const std::string &base) const;

    // The page's HTML, or nothing when the board page file cannot be read.
    std::optional<std::string> content(const NotebookPage &page, bool includeIds) const;

    // Makes a page from the service's input HTML (its <title> and <body>) in the
    // first section of that name, matched in any letter case, or in a new one, as
    // the service does in the default notebook. Pointers into the notebook given
    // out before are no longer valid.
    const NotebookPage &createPage(const std::string &sectionName, const std::string &inputHtml);
    // Applies a page update to the board page, all or nothing: the page file is
    // rewritten (or the built-in board replaced) with the ids it was served with
    // written out, so that ids already handed out keep naming the same elements.
    // A page made by the create-page request changes in memory. 400 for a page
    // that is unreadable or a filler page.
    PatchResult applyChange(const NotebookPage &page,
                            const std::vector<PatchCommand> &commands) const;

private:
    const NotebookSection &owner(const NotebookPage &page) const;
    std::string lastModified(const NotebookPage &page) const;

    std::vector<NotebookSection> m_Sections;
    std::string m_PageFile;
    std::string m_StartTime; // last-modified time of built-in content
    unsigned m_Created = 0;  // pages and sections made since start
    // The built-in board once a change was applied to it, and when.
    mutable std::mutex m_EditMutex;
    mutable std::optional<std::string> m_EditedBoard;
    mutable std::string m_EditedTime;
};

} // namespace standin
