# Lists a compound file through olefile, strictly (any defect olefile finds fails): one JSON
# object mapping "a/b/c" to [kind, size, sha1 of the data] ("storage" entries have size 0).
import hashlib
import json
import sys

import olefile

ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)
tree = {}
for path in ole.listdir(streams=True, storages=True):
    name = "/".join(path)
    if ole.get_type(path) == olefile.STGTY_STREAM:
        data = ole.openstream(path).read()
        tree[name] = ["stream", len(data), hashlib.sha1(data).hexdigest()]
    else:
        tree[name] = ["storage", 0, ""]
json.dump(tree, sys.stdout, ensure_ascii=False)
