// The program's help manual, Vireon.HLP in the program folder: one topic for
// each window, panel and menu command, numbered by the help context numbers
// the program's menus and windows carry (1510 for the File menu, 1630 for
// its printing commands, 1110 for the booklet panel, ...), and a contents
// page, topic 0. Links between topics are written href="help:N".

#include "documents.h"

namespace {

struct Topic
{
    int context;
    const char *title;
    const char *html;
};

// The manual's text: ASCII, with HTML entities for typography.
const Topic Topics[] = {
    { 0, "The Vireon Anthology Help", R"(
<p>Welcome to <b>The Vireon Anthology</b>, the multimedia reference to the Vireon line of cars from 1955 to
1966 and the 2002 model. This manual explains every window and every menu command. Press <b>F1</b> in any
window, or while a menu command is highlighted, to go straight to its topic.</p>
<h3>Getting around</h3>
<ul>
<li><a href="help:1100">The main window</a>: years, photographs and the detail buttons</li>
<li><a href="help:1170">The slide show</a></li>
<li><a href="help:1150">Reading and printing documents</a></li>
<li><a href="help:1160">Brochures and advertisements</a></li>
<li><a href="help:1180">Movies</a></li>
</ul>
<h3>The menus</h3>
<ul>
<li><a href="help:1510">File</a></li>
<li><a href="help:1520">Sound Effects</a></li>
<li><a href="help:1530">Movies</a></li>
<li><a href="help:1550">Miscellaneous</a></li>
<li><a href="help:1570">Vireon Stuff</a></li>
<li><a href="help:2023">HideStatusBar</a></li>
<li><a href="help:1600">Help</a></li>
</ul>
<h3>Panels and other windows</h3>
<ul>
<li><a href="help:1110">Printing a booklet</a></li>
<li><a href="help:1130">Copying to the hard drive</a></li>
<li><a href="help:1120">Installing the screen saver</a> and
<a href="help:1190">choosing its photographs</a></li>
<li><a href="help:1140">Sound effects</a></li>
<li><a href="help:1200">About The Vireon Anthology</a></li>
<li><a href="help:1210">Using this help</a></li>
</ul>
)" },
    { 1100, "The main window", R"(
<p>The main window shows one model year or one special category at a time, with its photographs in the
middle of the window.</p>
<ul>
<li><b>Year buttons.</b> The strip at the bottom holds one button for each model year, 1955 to 1966 and
2002. Click a year to see its first photograph; the selected year is painted red. Your first click anywhere
on the window selects 1955.</li>
<li><b>Photographs.</b> The arrows beside the photograph step to the previous and next photograph of the
year or category; the panel beside them shows the photograph's number. A left click on the photograph moves
on to the next year or collectable.</li>
<li><b>Detail buttons.</b> The row above the photograph opens the year's Description, Options, Colors,
Statistics and Nostalgia documents in the <a href="help:1150">document viewer</a>, and the
<a href="help:1160">Brochure and Ads</a> pages. Script, Emblem and ClipArt lay the year's lettering, emblem
or clip art over the photograph: a left click on the picture hides it, a right click offers to copy it to
the clipboard. Buttons the selection has nothing for are greyed.</li>
<li><b>SlideShow</b> starts the <a href="help:1170">slide show</a>; <b>Exit</b> ends the program.</li>
</ul>
<p>The windows are laid out for a screen of 800 by 600 pixels; see
<a href="help:1640">Check Screen Resolution</a>.</p>
)" },
    { 1110, "Printing a booklet", R"(
<p>File, <b>Print Booklet</b> opens the booklet panel over the photograph. Tick what the booklet holds:</p>
<ul>
<li><b>Cover</b>: the cover page with the anthology's logo, artwork and title;</li>
<li><b>Introduction</b>: the introduction to the anthology;</li>
<li><b>Description</b> and <b>Details</b> (under <i>By year</i>): for each year of the print range its
description, and its options, statistics and colours.</li>
</ul>
<p>For Description or Details choose the first year under <b>From:</b> and the last under <b>To:</b>; the
years run 1955 to 1966 and then 2002. Press <b>Print</b>. The whole booklet is printed as one print job,
each document beginning on a new page; when no printer is set up it is saved as one PDF file in your
documents folder, and the message after printing names the file. <b>Print Again</b> prints another copy,
<b>Clear</b> starts the choice afresh, and <b>Cancel</b> or <b>Exit</b> closes the panel.</p>
<p>The cover and introduction are printed before the range is checked: a missing year or a To year before
the From year is reported after them. See also <a href="help:2011">Print Setup</a>.</p>
)" },
    { 1120, "Installing the screen saver", R"(
<p>File, <b>Install Screen saver</b> opens the panel that installs the Vireon screen saver on your
computer. Choose whether it shows the photographs you selected or all photographs, set the delay between
them, and press Install. The photographs are copied to the hard drive first if they are not there yet.
<b>Help</b> shows the screen-saver instructions; <b>Cancel</b> closes the panel. The photographs it shows
are chosen in the <a href="help:1190">screen-saver photo window</a>.</p>
)" },
    { 1130, "Copying to the hard drive", R"(
<p>The photographs and the movies can be copied from the CD-ROM to the hard drive, where they load faster.
The copy panel says how much room the copy needs; press Copy to start. Two gauges show the file being
copied and the whole copy; Cancel stops it. After the photographs are copied the anthology reads them from
the hard drive. See <a href="help:2003">Copy CD-ROM photos to hard drive</a> and
<a href="help:2005">Copy CD-ROM movies to hard drive</a>.</p>
)" },
    { 1140, "Sound effects", R"(
<p>The Sound Effects panel plays 29 automobile sounds, from engines starting to horns and tyres. Press the
small button beside a sound's name to hear it; <b>Stop</b> ends it and <b>Close</b> hides the panel.</p>
)" },
    { 1150, "Reading and printing documents", R"(
<p>Documents open in the document viewer. Read them with the scroll bar; press <b>OK</b>, or double-click
the text, to close the viewer. The printer button at the bottom right prints the document with one-inch
margins after asking you to confirm.</p>
)" },
    { 1160, "Brochures and advertisements", R"(
<p><b>Brochure</b> shows the year's showroom brochure, <b>Ads</b> its period advertisements, one page at a
time across the whole screen. Turn the pages with the arrow buttons; pages continue from the last to the
first. Brochure pages are shown at full size with scroll bars; advertisements open fitted to the screen,
and a left click switches between the fitted and the full-size view.</p>
)" },
    { 1170, "The slide show", R"(
<p>The slide show walks through every photograph of the anthology, of every year and category. Step by
hand with the transport buttons, or press Play to let the photographs change by themselves, in order
(<b>Sequential</b>) or at random (<b>Random</b>). The arrows at the right set the delay between
photographs. <b>Beginning</b> and <b>Middle</b> jump to the first and the middle photograph. The strip
shows the year or category, the photograph's place in the show and the time.</p>
<p>The transport button Exit returns to the main window with the photograph on screen selected; the
<b>Exit</b> button at the bottom right asks before it closes the show.</p>
)" },
    { 1180, "Movies", R"(
<p>The movie window plays five movies about the Vireon line. Choose a movie with its option button and
start it with the control bar. The movies play from the hard drive when they have been copied there, from
the CD-ROM otherwise. If a movie does not play, the window's <b>Help</b> button offers to install the
Intel video software from the CD-ROM (see <a href="help:2008">Install Intel Video Software</a>).</p>
)" },
    { 1190, "Choosing screen-saver photographs", R"(
<p>The screen-saver photo window stands beside the main window and stays on top of it. <b>Add</b> puts
the photograph on show into the screen saver's list, <b>Remove</b> takes it out again, and the list can be
emptied. The window can also copy the photograph to the clipboard, copy it to a folder of your choice, or
print it (see <a href="help:2009">Print Photo</a>). Most menu commands close this window first.</p>
)" },
    { 1200, "About The Vireon Anthology", R"(
<p>Help, <b>About</b> shows the anthology's title, the maker's address and a button that opens the maker's
web site. <b>OK</b> closes the window.</p>
)" },
    { 1210, "Using this help", R"(
<p><b>Contents</b> returns to the list of topics. Underlined words lead to other topics; <b>Back</b> and
<b>Forward</b> retrace your way. Type a word into the find box and press <b>Find Next</b> (or Enter) to
find it in this topic and then in the topics after it. <b>Print</b> prints the topic on show.</p>
)" },
    { 1510, "The File menu", R"(
<ul>
<li><a href="help:2001">Create Wallpaper Instructions</a></li>
<li><a href="help:2002">Copy Photo</a></li>
<li><a href="help:2003">Copy CD-ROM photos to hard drive</a> and
<a href="help:2004">Remove photos from hard drive</a></li>
<li><a href="help:2005">Copy CD-ROM movies to hard drive</a> and
<a href="help:2006">Remove movies from hard drive</a></li>
<li><a href="help:1620">The screen saver and the video software</a></li>
<li><a href="help:1630">Printing</a>: Print Photo, Print Booklet, Print Setup</li>
<li><a href="help:1640">Check Screen Resolution</a></li>
<li><a href="help:1650">Show File Names</a></li>
<li><a href="help:1660">Exit</a></li>
</ul>
)" },
    { 1520, "The Sound Effects command", R"(
<p><b>Sound Effects</b> opens the <a href="help:1140">sound-effects panel</a>.</p>
)" },
    { 1530, "The Movies command", R"(
<p><b>Movies</b> opens the <a href="help:1180">movie window</a>.</p>
)" },
    { 1550, "The Miscellaneous menu", R"(
<ul>
<li><a href="help:2012">Vireon Advertising Checklist</a></li>
<li><a href="help:2013">2002 Vireon Press Release</a></li>
</ul>
)" },
    { 1570, "The Vireon Stuff menu", R"(
<p>The Vireon Stuff menu shows the photographs of the collectables made about the cars: The Danbury Mint,
The Franklin Mint Die Cast Models, Vireon Coin, Vireon Cookies, Vireon Metal Signs and Vireon Postage
Stamps. Choose one to see its first photograph in the <a href="help:1100">main window</a>; the arrows step
through the rest. For numbered collectables the Details button shows the facts of the piece on show.</p>
)" },
    { 1600, "The Help menu", R"(
<ul>
<li><a href="help:2014">Contents</a></li>
<li><a href="help:1670">The maker on the web</a>: the web site and on-line registration</li>
<li><a href="help:2017">Print Registration Form</a></li>
<li><a href="help:2018">Introduction, Notice, Credits and Contributions</a></li>
<li><a href="help:1200">About</a></li>
</ul>
)" },
    { 1620, "The screen saver and the video software", R"(
<ul>
<li><a href="help:2007">Install Screen saver</a></li>
<li><a href="help:2008">Install Intel Video Software</a></li>
</ul>
)" },
    { 1630, "Printing", R"(
<ul>
<li><a href="help:2009">Print Photo</a> prints the photograph on show.</li>
<li><a href="help:2010">Print Booklet</a> prints a booklet of the years you choose.</li>
<li><a href="help:2011">Print Setup</a> chooses the printer and its paper.</li>
</ul>
<p>Without a printer, everything is saved as a PDF file in your documents folder, and the message after
printing says where.</p>
)" },
    { 1640, "Check Screen Resolution", R"(
<p>The anthology's windows are laid out for a screen of 800 by 600 pixels with the Small Fonts display
setting. <b>Check Screen Resolution</b> tells you the size of your screen and, if it is another, how to
change the display settings.</p>
)" },
    { 1650, "Show File Names", R"(
<p><b>Show File Names</b> shows the file name of each photograph below it as you step through them;
<b>Hide File Names</b> hides it again.</p>
)" },
    { 1660, "Exit", R"(
<p><b>Exit</b> ends the program. The main window's place and size are kept for the next start, and a task
bar the anthology hid is shown again.</p>
)" },
    { 1670, "The maker on the web", R"(
<p><b>Visit the Quillon Software website</b> opens the maker's web site, www.quillonsoftware.com, in your
web browser. <b>Register On-line</b> opens its registration page. A task bar hidden with
<a href="help:2023">HideStatusBar</a> is shown again first.</p>
)" },
    { 2001, "Create Wallpaper Instructions", R"(
<p>Shows how to make an anthology photograph your desktop wallpaper, in the
<a href="help:1150">document viewer</a>.</p>
)" },
    { 2002, "Copy Photo", R"(
<p>Opens the <a href="help:1190">screen-saver photo window</a> for the photograph on show.</p>
)" },
    { 2003, "Copy CD-ROM photos to hard drive", R"(
<p>Copies every photograph to the hard drive after checking that there is room; see
<a href="help:1130">Copying to the hard drive</a>.</p>
)" },
    { 2004, "Remove photos from hard drive", R"(
<p>Deletes the photographs copied to the hard drive. The program then closes: start it again with the
CD-ROM in the drive to read the photographs from the disc.</p>
)" },
    { 2005, "Copy CD-ROM movies to hard drive", R"(
<p>Copies the five movies to the hard drive; see <a href="help:1130">Copying to the hard drive</a>.</p>
)" },
    { 2006, "Remove movies from hard drive", R"(
<p>Deletes the movies copied to the hard drive; they play from the CD-ROM again.</p>
)" },
    { 2007, "Install Screen saver", R"(
<p>Opens the panel that <a href="help:1120">installs the screen saver</a>.</p>
)" },
    { 2008, "Install Intel Video Software", R"(
<p>Offers to run the installer of the Intel video software from the CD-ROM. The anthology waits until the
installer has finished.</p>
)" },
    { 2009, "Print Photo", R"(
<p>Prints the photograph on show on a page of its own, with its year or category as the heading.</p>
)" },
    { 2010, "Print Booklet", R"(
<p>Opens the <a href="help:1110">booklet panel</a>.</p>
)" },
    { 2011, "Print Setup", R"(
<p>Shows the printer setup, where you choose the printer, the paper and its orientation. Your choice is
used for everything the anthology prints from then on, documents, photographs and booklets alike, and is
remembered for the next start. Cancel leaves everything as it was.</p>
)" },
    { 2012, "Vireon Advertising Checklist", R"(
<p>The list of the Vireon advertisements that appeared in magazines, year by year, in the
<a href="help:1150">document viewer</a>.</p>
)" },
    { 2013, "2002 Vireon Press Release", R"(
<p>The maker's press release for the 2002 model, in the <a href="help:1150">document viewer</a>.</p>
)" },
    { 2014, "Contents", R"(
<p>Opens this help at its <a href="help:0">contents</a>.</p>
)" },
    { 2017, "Print Registration Form", R"(
<p>Shows the Quillon Software registration form in the <a href="help:1150">document viewer</a>; print it
with the printer button, fill it in and mail it to register your copy.</p>
)" },
    { 2018, "Introduction, Notice, Credits and Contributions", R"(
<p>The anthology's introduction, its notice of rights, the credits and the list of contributors, each in
the <a href="help:1150">document viewer</a>.</p>
)" },
    { 2023, "HideStatusBar", R"(
<p><b>HideStatusBar</b> hides the desktop's task bar and lets the main window fill the whole screen;
the command then reads <b>ShowStatusBar</b> and brings the task bar back. Resizing the window also
brings it back.</p>
)" },
};

} // namespace

QByteArray helpFile()
{
    QByteArray file = "VIREON HELP 1\r\n";
    for (const Topic &topic : Topics) {
        file += "@topic " + QByteArray::number(topic.context) + ' ' + topic.title + "\r\n";
        // The manual's text begins after the raw string's first line break.
        file += QByteArray(topic.html).mid(1).replace("\n", "\r\n");
    }
    return file;
}
