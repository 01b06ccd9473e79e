#pragma once

// The five FTP settings and the text of "xml.ini" (arrive with the Preferences command).
class Preferences {};
