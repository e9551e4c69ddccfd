#pragma once

#include <QString>
#include <optional>

// How the detail buttons of the main window turn the selection label into a
// document or picture under MediaRoot and a viewer caption. The rules work on
// the label as a string: for a category title its third and fourth
// characters stand where a year's digits would, and the lookup then fails.
namespace DetailRules {

struct Document
{
    QString path;    // relative to MediaRoot: "\richtext\57desc.rtf"
    QString caption; // the viewer's caption
};

// The Description button; "panYear" gives the introduction.
Document description(const QString &label);
// The Options and Colors buttons; nothing for "panYear".
std::optional<Document> options(const QString &label);
std::optional<Document> colors(const QString &label);
// The Nostalgia button (opened without a lookup); nothing for "panYear".
std::optional<Document> nostalgia(const QString &label);

// The overlay pictures, relative to MediaRoot.
QString scriptPicture(const QString &label);
QString emblemPicture(const QString &label);
// The ClipArt button spells the folder "\Clipart\" and the name "clip"; the
// reload after a new selection "\ClipArt\" and "Clip". Names match without case.
QString clipArtPicture(const QString &label, bool fromButton);

// The statistics of a category shown beside the photograph number n, or of
// a year in the viewer.
struct Statistics
{
    bool perPhotograph = false; // in the details pane, else in the viewer
    Document document;          // caption only for a year
};
// photoPath: the path of the photograph on screen (Danbury models are named after it).
Statistics statistics(const QString &label, int n, const QString &photoPath);

} // namespace DetailRules
