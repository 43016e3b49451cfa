# The site's service worker: TEMPLATE with the files it keeps (FILES, in SITE) and a version
# made from their contents, so that any change to the site gives a new worker and a new cache.
#   cmake -DSITE=site "-DFILES=index.html;page.js" -DTEMPLATE=service-worker.js -P ...
set(contents "")
foreach(name IN LISTS FILES)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 VERSION)
list(JOIN FILES " " FILES)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
