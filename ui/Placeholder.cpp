namespace corvalen { }
