#pragma once

#include <QString>

class SettingsFile;

// The markup of the quick tag commands, built from the quick options of the settings file.
// The text conversions build their table and list tags from the same attribute groups.
namespace QuickCode {

enum class AttributeGroup { FrameSet, Frame, FloatingFrame, Table, Row, Cell, Image, Font, Link };
enum class ListKind { Unordered, Ordered, Definition };

// The attribute texts the options of a group switch on, in their fixed order, each with a
// blank in front (" width=\"\"", " nowrap").
QString attributes(const SettingsFile &settings, AttributeGroup group);

// A count from the settings or a caller: 0 and below give none, and a hand-edited huge value
// cannot make a command build text without end.
int repeatCount(int count);

QString frameTag(const SettingsFile &settings);  // "<FRAME name=\"\" src=\"\"...>"
QString iframeTag(const SettingsFile &settings); // "<IFRAME name=\"\" src=\"\"...>"
QString tableTag(const SettingsFile &settings,
                 bool withOptions);                // caption and line break not included
QString captionLine(const SettingsFile &settings); // "\r\n<CAPTION></CAPTION>" or empty
QString rowTag(const SettingsFile &settings, bool withOptions);
QString cellTag(const SettingsFile &settings, const char *name, bool withOptions); // TD or TH
QString cellEnd(const SettingsFile &settings, const char *name); // "</TD>" when closing cells
QString rowEnd(const SettingsFile &settings);                    // "</TR>" when closing rows
QString itemEnd(const SettingsFile &settings);                   // "</LI>" when closing items
QString listStart(const SettingsFile &settings, ListKind kind);  // "<UL>", "<OL compact>"...
QString listEnd(ListKind kind);

QString frameSet(const SettingsFile &settings);
QString form(const SettingsFile &settings);
// rows and cells from the caller; 0 takes "qrow" and "qcell", where 0 again means 1.
QString table(const SettingsFile &settings, int rows, int cells);
// items from the caller; 0 takes "qlitem", where 0 again means 1.
QString list(const SettingsFile &settings, ListKind kind, int items);
QString embeddedStyleSheet(const SettingsFile &settings);

} // namespace QuickCode
