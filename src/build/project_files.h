// Which open document is the project that the build and debug commands work on,
// and the search for a build.xml file above a folder.
#pragma once

struct DocTabs;
struct EditDoc;

// The project of the build and debug commands: the current document when it is a
// project file; otherwise the first tab holding the active project when one is
// open, else the first tab holding any project file. Null without a current
// document or when no project is open.
EditDoc* FindProjectDocument(DocTabs& tabs);
// What the build and debug commands start from: resolves code -1 to the build
// band's configuration and finds the project. Null when there is nothing to do:
// no configuration or no project is told in the output pane, no current document
// does nothing.
EditDoc* ChooseProject(DocTabs& tabs, int* code);

// In: a folder or file path in the ANSI code page (MAX_PATH bytes), or empty for
// the current folder. Out: the first build.xml found going up from there, or
// build.xml in the build tool's folder (whether it exists or not) when none is.
// The buffer holds MAX_PATH bytes; it is emptied when even that does not fit.
void FindBuildXml(char* path);
