#pragma once

// The sitemap document built from the entry table (arrives with the Generate command).
class SitemapDocument {};
