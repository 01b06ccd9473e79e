#include "sitemap/SitemapDocument.h"
