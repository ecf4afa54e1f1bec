#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The wizard's pictures, drawn at run time so that they stay sharp at any
// size and screen scale.
namespace tw::art {

// The illustration at the left of a page.
enum class Picture {
  Welcome,            // a monitor with a setup package
  Licence,            // a sealed document
  NetworkChoice,      // two computers on a hub, with a question mark
  FileServer,         // a server with a shared folder
  InstallOnServer,    // a package going onto a server
  Database,           // a database cylinder with a gear
  PeerToPeer,         // two computers joined by a cable
  HostComputer,       // a computer with a shared folder
  InstallOnComputer,  // a package going onto a computer
  Workstation,        // a computer plugged into the network
  SharedFolder,       // a folder on the network
  Finished,           // a computer with a tick
  Missing,            // a package with a cross
};

QPixmap Illustration(Picture picture, int size);

// The explanation panels' pictures of the two kinds of network.
QPixmap LanDiagram(QSize size);
QPixmap PeerToPeerDiagram(QSize size);

// The light bulb of the hint panels.
QPixmap HintIcon(int size);

// The wizard's own emblem: the heading band's picture and the window icon.
QPixmap Emblem(int size);
QIcon WindowIcon();

enum class Glyph { Next, Previous, About, Cancel, Finish, Folder };

// A 16 x 16 button glyph.
QIcon ButtonGlyph(Glyph glyph);

}  // namespace tw::art
