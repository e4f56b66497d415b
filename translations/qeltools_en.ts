<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>qel</name>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 code page, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened. %2 works in the current folder (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo tool %1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The QEL launcher %1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a Windows program, and there is no &quot;wine&quot; on the PATH to run it with.

Install Wine, or start the program on Windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not marked as a program (executable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no &quot;qel&quot; folder in the current folder (%1), so %2.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is your Flight Simulator folder, make a folder named &quot;qel&quot; in it and save again.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no &quot;pilots&quot; folder in the current folder (%1), so no saved flights can be listed.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QEL alert!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists. Do you want to overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo tool works in your Flight Simulator folder, the one that holds the &quot;qel&quot; and &quot;pilots&quot; folders. If this is not it, close the photo tool and start it again from its menu entry or from QELedit&apos;s picture picker (&quot;Edit&quot;): started outside that folder, it asks for it, or goes straight to the one chosen last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QELedit works in your Flight Simulator folder, the one that holds the &quot;qel&quot; and &quot;pilots&quot; folders. If this is not it, close QELedit and start it again from its menu entry: started outside that folder, it asks for it, or goes straight to the one chosen last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo tool works in your Flight Simulator folder, the one that holds the &quot;qel&quot; and &quot;pilots&quot; folders. If this is not it, close the photo tool and start it again from the Start menu, by a double click on qelphoto.exe or from QELedit&apos;s picture picker (&quot;Edit&quot;): started outside that folder, it asks for it, or goes straight to the one chosen last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QELedit works in your Flight Simulator folder, the one that holds the &quot;qel&quot; and &quot;pilots&quot; folders. If this is not it, close QELedit and start it again from the Start menu or by a double click on QELedit.exe: started outside that folder, it asks for it, or goes straight to the one chosen last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name contains %1, which a file name cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name ends with a dot or a blank, which Windows drops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is reserved by Windows for a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long: it takes %1 bytes, and a file name here may take at most %2 (a letter such as &quot;é&quot; takes two). Choose a shorter name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It claims to be %1 × %2 pixels, too large to be a picture for this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a picture that can be shown (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist (any more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a picture that can be shown (its pixel data is cut short or does not fit the picture).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is on a disk that cannot be written to (it is read-only), so nothing can be saved there. Save on another disk, or make this one writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The existing file belongs to %1, and you may not change it. Save under another name, or ask %1 to let you write it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to, so no file in it can be saved or replaced. Save in another folder, or ask for the right to write in this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is a link that leads nowhere in the end: its links go round in a circle. Save under another name, or mend the link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The existing file belongs to %1, and the folder %2 lets only a file&apos;s owner replace it. Save under another name, or ask %1 to replace it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The existing file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The content could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is in use by another program, which keeps it from being replaced. Close that program (or the file in it), then save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes at most one argument: the Flight Simulator folder to work in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder. Name your Flight Simulator folder, or start %2 without a folder to choose it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;. Name your Flight Simulator folder, or start %2 without a folder to choose it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds neither a &quot;pilots&quot; nor a &quot;qel&quot; folder, so it is not a Flight Simulator folder. Name the folder that holds them, or start %2 without a folder to choose it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario could not be saved as %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The file that was there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::LimitedLineEdit</name>
    <message>
        <source>One more character was left out as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more characters were left out as well.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor</name>
    <message>
        <source>Here is a list of all the flights in your PILOTS directory. This is the default location where all flights are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If checked the Applet check box will be checked when your QEL file is displayed. It is on by default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the QEL file you are creating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears any selected image in the image box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to open an existing QEL file for editing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exits QELedit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exits QELedit and starts the QEL Launcher. Make sure you save any QEL file you are working on first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press here for general help and information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a bitmap image that is in your QEL subdirectory to your qel file. The Clr button to the right will clear any selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your selected flight is displayed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your cloud style here. When you select Cirrus or Overcast another menu will apear with more selections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your ground texture here. All ground texture selections are left installed after each QEL session where a ground texture is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select between the %1 Nubivar cloud sets. Each set contains a unique Light, Medium, and Dense cloud type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any bitmap, if selected, is displayed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the name of your selected bitmap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a description for your QEL file. You can use up to %1 characters in your descriptions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name for your QEL file using 8 characters or less in the prefix and make sure you save the file with the QEL extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Nubivar &amp; Grundex 
						
Nubivar &amp; Grundex is a full upgrade of the sky and of the ground of 
Microsoft Flight Simulator 98. It brings new cloud types and a 
choice of new ground textures, and you pick them for every flight. 

You will spend most of your time in two places: 
 - the QEL launcher, which starts a flight with the clouds and the 
   ground you chose for it, and 
 - QELedit, this editor, in which you put such a flight together 
   and save it as a QEL file. 
						
What matters first is to understand what happens in the simulator 
while the new clouds are in use. Some of the weather settings you 
know from FS98 work differently now. The next topic explains how. 
						
Further ground textures have been added to FS98 as well. They 
were designed to make the most of the simulator&apos;s haze and to keep 
pixel noise to a minimum. With 3D hardware acceleration switched 
on, the world below you looks smooth and well blended, from the 
runway out to the horizon. 
						   
Now on to learning the new system...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning the new system 
						
The one simulator setting that matters is the cloud coverage: set 
every cloud layer you use to 7/8. 

The sky you will see comes from the cloud type you choose in 
QELedit, not from the coverage set in the simulator. A light cloud 
type stays light, even though the simulator says 7/8. 

If your simulator does not offer 7/8, switch off &quot;Weather 
Generation&quot; in its preferences, and the setting becomes available. 
						
Three cloud types are the exceptions to the 7/8 rule: 
 - Gray Overcast: set the coverage to &quot;Overcast&quot;. 
 - Multi-texture: any coverage setting will do. 
 - The darker lower layer of a two-layer sky: set it to 6/8. 
						
The cloud Applet builds layered skies for you, such as an upper 
cirrus layer with jet trails, or a lower overcast layer with 
cirro-cumulus clouds above it. 
						
The ground textures are made to get the most out of the haze. 
Winter looks its best with the visibility at 10 miles, summer at 15. 
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating a QEL file 
						
A QEL file holds one flight with its clouds and ground. Six steps 
make one: 

 1) Choose a flight that you saved earlier in the simulator. This is 
     the only choice you must make. The flight has to be in the 
     simulator&apos;s PILOTS folder; long and short names both work. 
 2) Choose a cloud type from %1 and, if you wish, a 
     ground texture. 
 3) Decide whether the cloud Applet is on or off when the flight 
     starts, and whether to attach a bitmap picture to the file. 
 4) Type a description of up to %2 characters. 
 5) Type a name for the file, with the &quot;.qel&quot; extension, and save 
     it. Then exit, or exit straight to the QEL Launcher. 
 6) To change a QEL file that you made before, press the button 
     beside &quot;Edit File&quot; and choose the file. 
						
Everything else, the QEL launcher and the QEL Photo Lab included, 
is described in the printed documentation that came with 
Nubivar &amp; Grundex. Have a good flight! 
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It does not exist (any more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 KiB, far more than a scenario file holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not the plain name of a file in the &quot;qel&quot; folder. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such file in the &quot;qel&quot; folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario cannot be saved as &quot;%1&quot;. %2

Type a plain file name such as demo.qel into the &quot;Save File as...&quot; box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario cannot be saved as &quot;%1&quot;: a scenario file&apos;s name must end in &quot;.qel&quot;, as the open dialog and the launcher offer only such files. Nothing was saved.

Type &quot;%2&quot; into the &quot;Save File as...&quot; box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scenario cannot be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario cannot be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applet flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cloud style code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ground texture code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cloud set code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 contains the character &quot;%2&quot;, but a scenario file cannot hold it: scenario files here are written in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; would be read by Windows as the label &quot;:next&quot; that the scenario script jumps to. Please change its beginning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 contains the control character %2 (a line break, NUL or other invisible code) at position %3. Windows would stumble over it while running the scenario, so that the launcher is never called. Please remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has only %1 lines; a scenario file has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 holds bytes that are no text in %2, which scenario files are read in here: the file is damaged, or was written in another code page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor::EditorWindow</name>
    <message>
        <source>QELedit 3.0 for Nubivar &amp; Grundex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Edit File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Description...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      Add Picture?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A control character (0x%1) was left out of the description: Windows would stumble over it while running the scenario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out of the description: a scenario file is written in the Windows ANSI code page (%2), which has no such character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applet On/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud Sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Cloud Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Ground Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press for Quick Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QEL launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QELedit banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the flight list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved flights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud style code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ground texture code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud set code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applet flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

QELedit stays open with your scenario as it was; save it before you try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no scenarios to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move mouse over items for help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor::HelpWindow</name>
    <message>
        <source>Q.E.L. Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning the new system shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating a QEL file shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning the new system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating a QEL file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor::OpenScenarioDialog</name>
    <message>
        <source>picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its line %1 (the %2) is %3 characters long; the editor holds at most %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open QEL file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;qel&quot; folder is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario %1 cannot be opened. %2

Nothing in the editor was changed. Choose another scenario file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario&apos;s picture &quot;%1&quot; cannot be shown. %2

Everything else of the scenario was opened. Choose a picture with the button beside &quot;Add Picture?&quot;, or remove the name with &quot;Clr.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor::PicturePicker</name>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures in the qel folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there are no pictures to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown.

%2

Choose another picture; the scenario you are editing is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The scenario you are editing is still open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::editor::StyleDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::photo</name>
    <message>
        <source>No photo was moved or deleted: every photo is where it was, under its old number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the photo that was %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Putting the photos back failed too (%1). No photo was deleted, but these are under other names now: %2. Rename them back before the next AutoSave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is still there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new photo was saved as %1, but the oldest photo, set aside as %2, could not be deleted (%3). Delete it yourself when you no longer need it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave stopped: %1 could not be copied to %2, where the numbered photos of this folder are kept (%3). The new photo was not saved. No photo was moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave stopped: the oldest photo %1 could not be set aside to make room (%2). The new photo was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave stopped: %1 could not be renamed to %2 (%3). The new photo was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave stopped: %1 is in the way of the new photo. The new photo was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new photo could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no picture, so there is nothing to save. Capture the screen with the &quot;Print Screen&quot; key first. The numbered photos were left as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture (%1 × %2 pixels) is too large for a bitmap file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard is %1 × %2 pixels, too large for the photo tool, which takes pictures of up to %3 × %3 pixels. Capture a smaller part of the screen, press &quot;Refresh Window&quot; and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard is damaged: its pixels are missing or do not match its size, so it cannot be saved. Capture the screen again with the &quot;Print Screen&quot; key, press &quot;Refresh Window&quot; and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks for a %2 file, which this build of the photo tool cannot write. Save the photo under a name ending in &quot;.png&quot; or &quot;.bmp&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the %2 writer: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::photo::PhotoWindow</name>
    <message>
        <source>To save a screenshot for use with the QEL picture window,  make sure you captured your screen using the &quot;Print Screen&quot; button while in flight. Then enter a name for your photo and press the button to save. If a picture is in your Clipboard it will appear in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To save your screen capture as a  full screen bitmap enter the name and click the button below.  The Photo will be saved in your Flight Simulator directory. Not for  use with Qel Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QEL Photo Lab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name to save under</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario picture buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>???.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save for use With QEL file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as full screen photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scenario pictures have nowhere to go, and full-screen photos and AutoSave&apos;s numbered photos would be saved in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a file name. %2
Type a plain name such as &quot;mypicture.bmp&quot; into the name box and press the button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario picture&apos;s name must end in &quot;.bmp&quot;: the editor&apos;s picture list offers only such files, so &quot;%1&quot; would never be shown there. Nothing was saved.
Type &quot;%2&quot; into the name box and press the button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to save: the clipboard held none. Capture the screen with the &quot;Print Screen&quot; key, press &quot;Refresh Window&quot; and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scenario picture has nowhere to go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to save: the clipboard held none when it was last read. Capture the screen with the &quot;Print Screen&quot; key, press &quot;Refresh Window&quot; and save again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qel::simulator::FolderChooser</name>
    <message>
        <source>%1: where is Flight Simulator?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your Flight Simulator folder, the one that holds the &quot;pilots&quot; and &quot;qel&quot; folders, with &quot;Browse...&quot;: none was found in the usual places.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your Flight Simulator folder, the one that holds the &quot;pilots&quot; and &quot;qel&quot; folders. These were found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on in the current folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Simulator folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds neither a &quot;pilots&quot; nor a &quot;qel&quot; folder, so it does not look like a Flight Simulator folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use it anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
