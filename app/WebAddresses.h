// Velmora's web pages. The host is set at build time (VELMORA_WEB_HOST).
#pragma once

#ifndef VELMORA_WEB_HOST
#define VELMORA_WEB_HOST "velmora.example.org"
#endif

#define VELMORA_HOME_PAGE "https://" VELMORA_WEB_HOST "/velmora/"
#define VELMORA_HELP_PAGE "https://" VELMORA_WEB_HOST "/velmora/help.htm"
