#pragma once

#include "helpers/frame/pathreference.h"
#include "helpers/frame/tagreading.h"

#include <QString>

#include <optional>

// The protocol radios of the link helper, in the panel's order.
// The values are the radios' ids; "https://" came later.
enum class LinkProtocol { Http, Ftp, Gopher, News, Telnet, Mailto, None, Stylesheet, Https };

// What the link helper's fields say, as plain data.
struct LinkFields
{
    bool name = false; // "Name": a named anchor; the protocol does not apply
    LinkProtocol protocol = LinkProtocol::None;
    bool targetOn = false; // "target=", or `subject=""` for mailto
    QString target;        // the target list's text; `""` stands for an empty target
    // A file chosen on disk, referred to by the path rule: then the address is its reference
    // alone, whatever the protocol.
    bool fromFile = false;
    PathMode pathMode = PathMode::Relative;
    // What follows the protocol: empty for a new link, whose address is then typed in the
    // page; typed in the panel; a file's reference; or the address of a tag that was read.
    QString address;
    QList<TagAttribute> others; // attributes the panel does not know, kept
};

// The code for one Insert Code.
struct LinkParts
{
    QString start;
    QString end;
    bool insertOnly = false; // the address alone goes in ("file only"), or a LINK tag
    // The caret goes this many characters before the end of the start part, where the address
    // or name is typed, with the tip "Type {tipWord} here"; no tip when empty.
    QString tipWord;
    int back = 0;
};

namespace LinkCode {

// "http://" … "mailto:", "https://"; empty for "no protocol" and "Linked Stylesheet".
QString protocolText(LinkProtocol protocol);
// Whether "target=" applies: the protocols that open a page, not the bare "file only".
bool targetApplies(const LinkFields &fields);
// Whether "file on disk" applies to the protocol: a file can be linked by http, ftp, a bare
// address or as a style sheet.
bool fileApplies(LinkProtocol protocol);
// ` target="{list text}"`: `""` and an emptied list give an empty target; quotes the user
// typed around the name are not doubled.
QString targetPart(const QString &listText);
// The start and end parts, with where the caret and the tip go.
LinkParts build(const LinkFields &fields);
// The fields of an A tag; nothing for another tag. The address keeps what the panel has no
// field for, so that the tag can be written again as it was.
std::optional<LinkFields> read(const FoundTag &tag);

} // namespace LinkCode
